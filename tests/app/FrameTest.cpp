#include "app/DescriptionItems.h"
#include "app/ProgramContext.h"
#include "app/StartMenuLayout.h"
#include "app/TFormMain.h"
#include "app/TFormManual.h"
#include "app/TFormStartMenu.h"
#include "app/TForm_Nagrev_Dialog.h"
#include "app/TaskActions.h"
#include "ui/MenuMerge.h"
#include "ui/Messages.h"
#include "ui/UserSettings.h"
#include "unit/ui/TMDIChildPritoch.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Lets queued start-menu updates and deferred deletions run.
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
}

} // namespace

class Frame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages.append(text); });
        // Task windows that remember their inputs keep them away from the user's own settings.
        ui::setUserSettingsFile(settingsFolder.filePath(u"user.ini"_s));
        frame = std::make_unique<TFormMain>();
        frame->createSharedWindows();
        frame->resize(1200, 800);
        frame->show();
        settle();
    }
    void TearDown() override
    {
        frame.reset();
        ui::setMessageSink({});
        ui::setUserSettingsFile(QString());
    }

    QList<QMdiSubWindow*> children() const { return frame->workspace()->subWindowList(); }

    QStringList taskCaptions() const
    {
        QStringList captions;
        for (QMdiSubWindow* child : children()) {
            if (!qobject_cast<TFormStartMenu*>(child->widget()))
                captions.append(child->widget()->windowTitle());
        }
        return captions;
    }

    QWidget* open(const QString& actionName)
    {
        QWidget* window = frame->openTaskWindow(actionName);
        settle();
        return window;
    }

    void closeTaskWindow(QWidget* window)
    {
        for (QMdiSubWindow* child : children()) {
            if (child->widget() == window)
                child->close();
        }
        settle();
    }

    QTemporaryDir settingsFolder;
    std::unique_ptr<TFormMain> frame;
    QStringList messages;
};

TEST_F(Frame, ShowsOneStartMenuCentredAboveTheStatusBar)
{
    ASSERT_EQ(children().size(), 1);
    ASSERT_NE(frame->startMenu(), nullptr);
    const QSize workspace = frame->workspace()->viewport()->size();
    EXPECT_EQ(frame->startMenu()->parentWidget()->geometry(), startMenuGeometry(workspace));
    EXPECT_EQ(frame->startMenu()->size(), QSize(511, 371));
    EXPECT_LE(frame->workspace()->geometry().bottom(), frame->statusBar()->geometry().top());
}

TEST_F(Frame, StartMenuShrinksAndStaysCentredInASmallFrame)
{
    frame->resize(420, 330);
    settle();
    const QSize workspace = frame->workspace()->viewport()->size();
    ASSERT_LT(workspace.height(), 385);
    ASSERT_NE(frame->startMenu(), nullptr);
    const QRect placed = frame->startMenu()->parentWidget()->geometry();
    EXPECT_EQ(placed.size(), QSize(workspace.width() - 14, workspace.height() - 14));
    EXPECT_EQ(placed.topLeft(), QPoint(5, 5));
}

TEST_F(Frame, OpeningFromTheStartMenuClosesItAndClosingTheLastWindowBringsItBack)
{
    auto* link = frame->startMenu()->findChild<QLabel*>(u"LabelUniFanSelect"_s);
    ASSERT_NE(link, nullptr);
    QTest::mouseClick(link, Qt::LeftButton);
    settle();
    EXPECT_EQ(frame->startMenu(), nullptr);
    ASSERT_EQ(children().size(), 1);
    QWidget* window = children().first()->widget();
    EXPECT_STREQ(window->metaObject()->className(), "TMDIChild");
    EXPECT_EQ(window->windowTitle(), u"Подбор вентиляторов общеобменной вентиляции - Вариант 1"_s);

    closeTaskWindow(window);
    ASSERT_EQ(children().size(), 1);
    ASSERT_NE(frame->startMenu(), nullptr);
    EXPECT_EQ(frame->startMenu()->parentWidget()->geometry(),
        startMenuGeometry(frame->workspace()->viewport()->size()));
}

TEST_F(Frame, StartMenuLinksLightUpUnderThePointer)
{
    auto* link = frame->startMenu()->findChild<QLabel*>(u"LabelSmkFanSelect"_s);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->toolTip(), u"ЗФН-подбор"_s);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(link, &enter);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(frame->statusBar()->currentMessage(), u"Выберите для подбора вентиляторов дымоудаления"_s);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::black));
}

TEST_F(Frame, NumbersCountTheWindowsOfTheClassOpenNow)
{
    const QString select = u"ActionUniFanSelect"_s;
    QWidget* first = open(select);
    open(select);
    open(select);
    open(u"ActionScreenORKCalc"_s); // another class counts on its own
    const QString prefix = u"Подбор вентиляторов общеобменной вентиляции - Вариант "_s;
    EXPECT_EQ(taskCaptions(),
        QStringList({prefix + u"1"_s, prefix + u"2"_s, prefix + u"3"_s,
            u"Расчет воздушной завесы ОРК - Вариант 1"_s}));

    closeTaskWindow(first);
    QWidget* fourth = open(select);
    EXPECT_EQ(fourth->windowTitle(), prefix + u"3"_s);
}

TEST_F(Frame, EveryTaskActionOpensAWindowOfItsClass)
{
    const struct {
        const char* action;
        const char* windowClass;
    } cases[] {
        {"ActionUniFanSelect", "TMDIChild"},
        {"ActionUniFanParams", "TFormChildUtility"},
        {"ActionSmkFanSelect", "TMDIChildSMK"},
        {"ActionSmkFanParams", "TFormChildUtilitySMK"},
        {"ActionDelSmkCalc", "TMDIChildSmkCalk"},
        {"ActionAntiSmkCalc", "TMDIChildPodpor"},
        {"ActionScreenORKCalc", "TMDIChildVozdZavesaORK"},
        {"ActionScreenTEMCalc", "TMDIChildVozdZavesaTEM"},
        {"ActionScreenPLNCalc", "TMDIChildVozdZavesaPLN"},
        {"ActionUnitLUMACalc", "TMDIChildVozdAgregatLUMA"},
    };
    for (const auto& c : cases) {
        QAction* action = frame->findChild<QAction*>(QLatin1String(c.action));
        ASSERT_NE(action, nullptr) << c.action;
        const qsizetype before = taskCaptions().size();
        action->trigger();
        settle();
        ASSERT_EQ(taskCaptions().size(), before + 1) << c.action;
        QWidget* window = frame->workspace()->activeSubWindow()->widget();
        EXPECT_STREQ(window->metaObject()->className(), c.windowClass);
        EXPECT_EQ(
            window->windowTitle(), findTaskAction(QLatin1String(c.action))->windowCaptionPrefix + u"1"_s);
    }
    EXPECT_EQ(frame->startMenu(), nullptr);
}

TEST_F(Frame, UnitWindowOpensOnlyAfterAKindIsChosen)
{
    auto* dialog = frame->program().windows().get<TForm_Nagrev_Dialog>();
    ASSERT_NE(dialog, nullptr);
    QAction* action = frame->findChild<QAction*>(u"ActionVentUnitSelect"_s);

    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    action->trigger();
    settle();
    EXPECT_TRUE(taskCaptions().isEmpty());
    EXPECT_NE(frame->startMenu(), nullptr);

    // A double click on a kind chooses it; the dialog remembers it for the next time.
    QTimer::singleShot(
        0, [dialog] { QTest::mouseDClick(dialog->findChild<QWidget*>(u"RB_Oxlad"_s), Qt::LeftButton); });
    action->trigger();
    settle();
    EXPECT_EQ(taskCaptions(), QStringList({u"Подбор агрегатов вентиляционных сборных - Вариант 1"_s}));
    auto* unitWindow = qobject_cast<TMDIChildPritoch*>(frame->workspace()->activeSubWindow()->widget());
    ASSERT_NE(unitWindow, nullptr);
    EXPECT_EQ(unitWindow->unitKind(), unit::UnitKind::Cooler);
    EXPECT_EQ(dialog->selectedKind(), 3);
}

TEST_F(Frame, MissingDescriptionFileIsReportedAndTheTextStays)
{
    auto* manual = frame->program().windows().get<TFormManual>();
    ASSERT_NE(manual, nullptr);
    const DescriptionItem& series = descriptionItems().front();
    frame->showDescription(series);
    ASSERT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    const QString shown = manual->document()->toPlainText();
    ASSERT_FALSE(shown.isEmpty());

    DescriptionItem missing = descriptionItems().back();
    missing.rtfFile = u"NoSuchDescription.rtf"_s;
    frame->showDescription(missing);
    EXPECT_EQ(messages, QStringList({missing.missingFileMessage}));
    EXPECT_TRUE(manual->isVisible());
    EXPECT_EQ(manual->windowTitle(), missing.windowCaption);
    EXPECT_EQ(manual->document()->toPlainText(), shown);
    // Printing then shows the kept text under the new item's title and picture.
    EXPECT_EQ(manual->reportTitle(), missing.reportTitle);
    EXPECT_EQ(manual->reportPicture(), missing.reportPicture);
}

TEST_F(Frame, StatusBarShowsLongHintsFromOtherWindowsToo)
{
    auto* manual = frame->program().windows().get<TFormManual>();
    QWidget* text = manual->findChild<QWidget*>(u"RichEdit_Manual"_s);
    manual->show();
    QStatusTipEvent tip(text->statusTip());
    QCoreApplication::sendEvent(text, &tip);
    EXPECT_EQ(frame->statusBar()->currentMessage(), u"Описание по сериям вентиляторов"_s);

    QAction* exit = frame->findChild<QAction*>(u"ActionExit"_s);
    EXPECT_EQ(exit->statusTip(), u"Выйти из программы"_s);
}

TEST_F(Frame, MenusOfTheActiveTaskWindowJoinTheMenuBar)
{
    QWidget* withMenu = open(u"ActionDelSmkCalc"_s);
    auto* own = new QMenu(u"Расчет"_s, withMenu);
    ui::setMergeGroup(own, 1);
    QWidget* without = open(u"ActionSmkFanParams"_s);
    EXPECT_EQ(frame->menuBar()->actions().size(), 4);

    frame->workspace()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(withMenu->parentWidget()));
    settle();
    QStringList titles;
    for (QAction* item : frame->menuBar()->actions())
        titles.append(item->text());
    // The smoke-exhaust calculation brings its "Файл" menu; the one added here follows it.
    EXPECT_EQ(titles,
        QStringList({u"&Открыть"_s, u"Файл"_s, u"Расчет"_s, u"Описание"_s, u"О&кна"_s, u"&Справка"_s}));

    frame->workspace()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(without->parentWidget()));
    settle();
    EXPECT_EQ(frame->menuBar()->actions().size(), 4);
}

// With maximised task windows the "Окна" menu is the way to the others: it lists every task window, the
// active one ticked, brings the one chosen forward and arranges them all.
TEST_F(Frame, WindowsMenuListsTheTaskWindowsAndBringsOneForward)
{
    QWidget* first = open(u"ActionDelSmkCalc"_s);
    QWidget* second = open(u"ActionSmkFanSelect"_s);
    for (QMdiSubWindow* child : children())
        child->showMaximized();
    settle();
    auto* menu = frame->findChild<QMenu*>(u"MenuWindows"_s);
    ASSERT_NE(menu, nullptr);
    Q_EMIT menu->aboutToShow();
    QStringList listed;
    QAction* firstItem = nullptr;
    for (QAction* item : menu->actions()) {
        if (!item->isCheckable())
            continue;
        listed.append(item->text());
        EXPECT_EQ(item->isChecked(), item->text().endsWith(second->windowTitle()))
            << item->text().toStdString();
        if (item->text().endsWith(first->windowTitle()))
            firstItem = item;
    }
    EXPECT_EQ(listed, QStringList({u"&1 "_s + first->windowTitle(), u"&2 "_s + second->windowTitle()}));
    ASSERT_NE(firstItem, nullptr);
    firstItem->trigger();
    settle();
    EXPECT_EQ(frame->workspace()->activeSubWindow()->widget(), first);

    menu->findChild<QAction*>(u"ActionTile"_s)->trigger();
    settle();
    const QRect a = first->parentWidget()->geometry();
    const QRect b = second->parentWidget()->geometry();
    EXPECT_FALSE(a.intersects(b)) << "tiled windows lie side by side";
}

TEST_F(Frame, ClosingTheFrameCreatesNoStartMenu)
{
    open(u"ActionUniFanSelect"_s);
    frame->close();
    settle();
    EXPECT_TRUE(frame->isClosing());
    EXPECT_TRUE(children().isEmpty());
}

// No key sequence may be claimed twice while task windows are open: a sequence two actions of one
// window answer to does nothing. The frame's actions are checked among themselves and against the own
// menu Qt gives every inner window (on Linux its close item also answers to Ctrl+W).
TEST_F(Frame, EveryShortcutOfTheFrameIsUnambiguousWithTaskWindowsOpen)
{
    open(u"ActionUniFanSelect"_s);
    open(u"ActionUnitLUMACalc"_s);
    const auto ofInnerWindow = [this](const QObject* object) {
        for (; object; object = object->parent()) {
            if (object == frame->workspace())
                return true;
        }
        return false;
    };
    QList<QKeySequence> frameKeys;
    for (const QAction* action : frame->findChildren<QAction*>()) {
        if (!ofInnerWindow(action))
            frameKeys += action->shortcuts();
    }
    frameKeys.removeAll(QKeySequence());
    ASSERT_FALSE(frameKeys.isEmpty());
    for (const QKeySequence& key : frameKeys)
        EXPECT_EQ(frameKeys.count(key), 1) << key.toString().toStdString();
    for (QMdiSubWindow* child : children()) {
        ASSERT_NE(child->systemMenu(), nullptr);
        for (const QAction* action : child->systemMenu()->actions()) {
            for (const QKeySequence& key : action->shortcuts())
                EXPECT_FALSE(frameKeys.contains(key))
                    << key.toString().toStdString() << " of " << action->text().toStdString();
        }
    }

    // Ctrl+W opens an air-curtain window while another task window is active.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    const qsizetype before = taskCaptions().size();
    QTest::keyClick(frame->workspace()->activeSubWindow()->widget(), Qt::Key_W, Qt::ControlModifier);
    settle();
    ASSERT_EQ(taskCaptions().size(), before + 1);
    EXPECT_STREQ(
        frame->workspace()->activeSubWindow()->widget()->metaObject()->className(), "TMDIChildVozdZavesaORK");
}

// A window opened from a task window gives the focus back to that very window when it closes, even when
// the workspace has meanwhile made another task window the active one; a window closed while the user is
// elsewhere leaves the focus there.
TEST_F(Frame, ClosedWindowGivesTheFocusBackToTheTaskWindowThatOpenedIt)
{
    QWidget* first = open(u"ActionUnitLUMACalc"_s);
    QWidget* second = open(u"ActionUnitLUMACalc"_s);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->workspace()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
    auto* box = first->findChild<QAbstractSpinBox*>();
    ASSERT_NE(box, nullptr);
    box->setFocus();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), box);

    QWidget opened(nullptr, Qt::Window);
    opened.resize(200, 100);
    opened.show();
    opened.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opened));
    frame->workspace()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(second->parentWidget()));
    opened.close();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    settle();
    EXPECT_EQ(frame->workspace()->activeSubWindow()->widget(), first);
    EXPECT_EQ(QApplication::focusWidget(), box);

    // Closed from elsewhere: the task window the user went to keeps the focus.
    opened.show();
    opened.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&opened));
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    frame->workspace()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(second->parentWidget()));
    settle();
    opened.close();
    settle();
    EXPECT_EQ(frame->workspace()->activeSubWindow()->widget(), second);
}

// A task window opened from another one (the fan selection of the second of two smoke-exhaust calculations)
// hands the user back to that one when it closes, to the button that opened it, not to the first task
// window of the workspace.
TEST_F(Frame, ClosedTaskWindowGivesTheFocusBackToTheTaskWindowThatOpenedIt)
{
    open(u"ActionDelSmkCalc"_s);
    QWidget* second = open(u"ActionDelSmkCalc"_s);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    ASSERT_EQ(frame->workspace()->activeSubWindow()->widget(), second);
    auto* button = second->findChild<QPushButton*>(u"bNext"_s);
    ASSERT_NE(button, nullptr);
    button->setFocus();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), button);

    QWidget* selection = open(u"ActionSmkFanSelect"_s);
    ASSERT_EQ(frame->workspace()->activeSubWindow()->widget(), selection);
    closeTaskWindow(selection);
    ASSERT_NE(frame->workspace()->activeSubWindow(), nullptr);
    EXPECT_EQ(frame->workspace()->activeSubWindow()->widget(), second);
    EXPECT_EQ(QApplication::focusWidget(), button);
}

// A task window opens at the size it gives itself, not at the workspace's guess: the series window shows
// its table with many rows and the series names whole.
TEST_F(Frame, TaskWindowsOpenShowingTheirContent)
{
    QWidget* series = open(u"ActionUniFanParams"_s);
    const QSize room = frame->workspace()->viewport()->size();
    EXPECT_GE(series->parentWidget()->height(), std::min(680, room.height() - 30));
    auto* grid = series->findChild<QTableWidget*>(u"StringGrid_vent"_s);
    ASSERT_NE(grid, nullptr);
    EXPECT_GE(grid->viewport()->height(), 10 * grid->verticalHeader()->defaultSectionSize());
    auto* list = series->findChild<QListWidget*>(u"Open_ListView"_s);
    ASSERT_NE(list, nullptr);
    EXPECT_LE(list->sizeHintForColumn(0), list->viewport()->width());
}

// However many windows are open before it, a new task window lies wholly inside the workspace: the buttons
// at the bottom of a calculation wizard are never opened out of sight below the frame's edge.
TEST_F(Frame, TaskWindowsOpenInsideTheWorkspace)
{
    frame->resize(1280, 800);
    settle();
    const QRect room(QPoint(0, 0), frame->workspace()->viewport()->size());
    const QStringList actions {u"ActionUniFanSelect"_s, u"ActionSmkFanSelect"_s, u"ActionUniFanParams"_s,
        u"ActionScreenORKCalc"_s, u"ActionDelSmkCalc"_s, u"ActionDelSmkCalc"_s, u"ActionAntiSmkCalc"_s};
    for (const QString& action : actions) {
        QWidget* window = open(action);
        ASSERT_NE(window, nullptr) << action.toStdString();
        const QWidget* sub = window->parentWidget();
        if (sub->minimumSizeHint().height() > room.height() || sub->minimumSizeHint().width() > room.width())
            continue; // cannot fit at all
        EXPECT_TRUE(room.contains(sub->geometry()))
            << action.toStdString() << " at " << sub->x() << ',' << sub->y() << ' ' << sub->width() << 'x'
            << sub->height() << " in " << room.width() << 'x' << room.height();
    }
}

// "Каскадом", also from maximised windows: every task window comes back to its normal size, one title bar
// below the other, the window the user works in in front and last, so that the title of each other window
// shows above it and stays one click away.
TEST_F(Frame, CascadeLeavesEveryTitleInSightWithTheActiveWindowInFront)
{
    frame->resize(1280, 800);
    QWidget* active = open(u"ActionUniFanSelect"_s);
    QWidget* second = open(u"ActionSmkFanSelect"_s);
    QWidget* third = open(u"ActionUnitLUMACalc"_s);
    const auto sub = [](QWidget* window) { return qobject_cast<QMdiSubWindow*>(window->parentWidget()); };
    frame->workspace()->setActiveSubWindow(sub(active));
    sub(active)->showMaximized();
    settle();
    auto* menu = frame->findChild<QMenu*>(u"MenuWindows"_s);
    ASSERT_NE(menu, nullptr);
    Q_EMIT menu->aboutToShow();
    menu->findChild<QAction*>(u"ActionCascade"_s)->trigger();
    settle();

    EXPECT_EQ(frame->workspace()->activeSubWindow(), sub(active));
    EXPECT_EQ(frame->workspace()->subWindowList(QMdiArea::StackingOrder).last(), sub(active));
    const QRect room(QPoint(0, 0), frame->workspace()->viewport()->size());
    QList<int> tops;
    for (QWidget* window : {second, third, active}) {
        EXPECT_FALSE(sub(window)->isMaximized());
        EXPECT_TRUE(room.contains(sub(window)->geometry())) << window->windowTitle().toStdString();
        tops.append(sub(window)->y());
    }
    EXPECT_LT(tops[0], tops[1]);
    EXPECT_LT(tops[1], tops[2]);
}
