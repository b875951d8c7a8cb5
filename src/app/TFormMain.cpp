#include "app/TFormMain.h"

#include "app/DescriptionItems.h"
#include "app/ProgramContext.h"
#include "app/SharedWindowList.h"
#include "app/StartMenuLayout.h"
#include "app/TFormAbout.h"
#include "app/TFormHelp.h"
#include "app/TFormManual.h"
#include "app/TFormStartMenu.h"
#include "app/TForm_Nagrev_Dialog.h"
#include "app/TaskActions.h"
#include "app/TaskWindowFactory.h"
#include "app/TaskWindowPlace.h"
#include "app/WindowsMenu.h"
#include "ui/Hints.h"
#include "ui/InnerWindowShortcuts.h"
#include "ui/MenuMerge.h"
#include "ui/OpenerFocus.h"
#include "ui/report/TQROpenForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <memory>

namespace {
const QString unitActionName = QStringLiteral("ActionVentUnitSelect");
}

TFormMain::TFormMain(QWidget* parent)
    : QMainWindow(parent)
    , m_program(std::make_unique<ProgramContext>(this))
{
    m_program->setTaskWindowOpener([this](const QString& actionName) { return openTaskWindow(actionName); });
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("ЗФН-подбор"));
    setMinimumSize(240, 180);

    m_workspace = new QMdiArea(this);
    m_workspace->setObjectName(QStringLiteral("MDIClient"));
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A closing task window hands the user back to the one worked in before it (the one that opened it),
    // not to the first one created.
    m_workspace->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    m_workspace->viewport()->installEventFilter(this);
    setCentralWidget(m_workspace);

    m_permanentStatus = new QLabel(this);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addPermanentWidget(m_permanentStatus);
    createMenus();

    connect(m_workspace, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* active) {
        mergeMenusOf(active);
        scheduleStartMenuUpdate();
    });
    // Any change of the active window of the program runs the start-menu rule.
    connect(qApp, &QApplication::focusChanged, this, [this] { scheduleStartMenuUpdate(); });
    // Hints of controls in the program's other windows also reach this status bar.
    qApp->installEventFilter(this);
    ui::returnFocusToOpeners(this);
}

TFormMain::~TFormMain()
{
    // The workspace and its windows go while this frame is still whole: their activation changes
    // during destruction must not reach a half-destroyed frame.
    m_closing = true;
    qApp->removeEventFilter(this);
    m_workspace->viewport()->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(m_workspace, nullptr, this, nullptr);
    delete m_workspace;
    m_program.reset();
}

void TFormMain::createSharedWindows()
{
    registerSharedWindows(m_program->windows());
    connect(this, &TFormMain::savedReportsRequested, this,
        [this] { m_program->windows().get<TQROpenForm>()->showSavedReports(); });
}

TFormStartMenu* TFormMain::startMenu() const
{
    return m_startMenuWindow ? qobject_cast<TFormStartMenu*>(m_startMenuWindow->widget()) : nullptr;
}

QMenu* TFormMain::addFrameMenu(const QString& title, const QString& hint, int mergeGroup)
{
    auto* menu = new QMenu(title, this);
    ui::setHint(menu->menuAction(), hint);
    ui::setMergeGroup(menu, mergeGroup);
    m_frameMenus.append(menu);
    menuBar()->addMenu(menu);
    return menu;
}

void TFormMain::createMenus()
{
    QMenu* open = addFrameMenu(QStringLiteral("&Открыть"), QStringLiteral("Открыть|Открыть"), 1);
    open->setObjectName(QStringLiteral("MenuOpen"));
    for (const TaskAction& task : taskActions()) {
        auto* action = new QAction(task.caption, this);
        action->setObjectName(task.name);
        action->setShortcut(task.shortcut);
        ui::setHint(action, task.hint);
        const QString name = task.name;
        connect(action, &QAction::triggered, this, [this, name] { runAction(name); });
        open->addAction(action);
        // Separators after the fan tasks, the smoke tasks and the calculations.
        if (name == u"ActionUniFanParams" || name == u"ActionSmkFanParams" || name == u"ActionAntiSmkCalc"
            || name == u"ActionUnitLUMACalc")
            open->addSeparator();
    }
    QAction* savedReports = open->addAction(QStringLiteral("Сохраненные печатные формы (*.QRP)"));
    savedReports->setObjectName(QStringLiteral("ActionSavedReports"));
    ui::setHint(savedReports,
        QStringLiteral("Сохраненные печатные формы|Просмотр и печать сохраненных печатных форм (*.QRP)"));
    connect(savedReports, &QAction::triggered, this, &TFormMain::savedReportsRequested);
    open->addSeparator();
    QAction* exit = open->addAction(QStringLiteral("&Выход"));
    exit->setObjectName(QStringLiteral("ActionExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    ui::setHint(exit, QStringLiteral("Выход|Выйти из программы"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* descriptions = addFrameMenu(QStringLiteral("Описание"), QStringLiteral("Описание|Описание"), 2);
    descriptions->setObjectName(QStringLiteral("MenuDescription"));
    for (const DescriptionItem& item : descriptionItems()) {
        QAction* action = descriptions->addAction(item.menuCaption);
        ui::setHint(action, item.windowCaption);
        connect(action, &QAction::triggered, this, [this, &item] { showDescription(item); });
        if (item.separatorAfter)
            descriptions->addSeparator();
    }

    QMenu* windows
        = addFrameMenu(QStringLiteral("О&кна"), QStringLiteral("Окна|Открытые окна и их расположение"), 3);
    windows->setObjectName(QStringLiteral("MenuWindows"));
    connect(windows, &QMenu::aboutToShow, this,
        [this, windows] { fillWindowsMenu(windows, m_workspace, m_startMenuWindow); });
    fillWindowsMenu(windows, m_workspace, m_startMenuWindow);

    QMenu* help = addFrameMenu(QStringLiteral("&Справка"), QStringLiteral("Справка"), 3);
    help->setObjectName(QStringLiteral("MenuHelp"));
    QAction* showHelp = help->addAction(QStringLiteral("&Вызов справки"));
    showHelp->setObjectName(QStringLiteral("ActionHelp"));
    ui::setHint(showHelp, QStringLiteral("Вызов справки"));
    connect(showHelp, &QAction::triggered, this, [this] {
        auto* window = m_program->windows().get<TFormHelp>();
        window->show();
        window->raise();
        window->activateWindow();
    });
    help->addSeparator();
    QAction* about = help->addAction(QStringLiteral("&О программе"));
    about->setObjectName(QStringLiteral("ActionAbout"));
    ui::setHint(about, QStringLiteral("О программе"));
    connect(about, &QAction::triggered, this, [this] { m_program->windows().get<TFormAbout>()->exec(); });
}

void TFormMain::runAction(const QString& actionName)
{
    if (actionName == unitActionName)
        openUnitWindow();
    else
        openTaskWindow(actionName);
}

QWidget* TFormMain::openTaskWindow(const QString& actionName)
{
    const TaskAction* task = findTaskAction(actionName);
    QWidget* window = task ? createTaskWindow(actionName, *m_program) : nullptr;
    if (!window)
        return nullptr;
    const QByteArray className = window->metaObject()->className();
    int open = 0;
    int openTasks = 0;
    for (const QMdiSubWindow* sub : m_workspace->subWindowList()) {
        // A window closed a moment ago may wait for deletion; it no longer counts.
        if (sub->isHidden() || !sub->widget() || sub == m_startMenuWindow)
            continue;
        ++openTasks;
        if (className == sub->widget()->metaObject()->className())
            ++open;
    }
    window->setWindowTitle(task->windowCaptionPrefix + QString::number(open + 1));
    // The size a window gives itself shows its content; the workspace would open it at its hint.
    const QSize ownSize = window->testAttribute(Qt::WA_Resized) ? window->size() : QSize();
    QMdiSubWindow* sub = m_workspace->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    ui::releaseShortcuts(sub, ui::menuShortcuts(m_frameMenus));
    connect(sub, &QObject::destroyed, this, [this] { scheduleStartMenuUpdate(); });
    const QSize wanted
        = ownSize.isValid() ? ownSize + (sub->sizeHint() - window->sizeHint()) : sub->sizeHint();
    sub->setGeometry(
        taskWindowPlace(openTasks, wanted, sub->minimumSizeHint(), m_workspace->viewport()->size()));
    sub->show();
    m_workspace->setActiveSubWindow(sub);
    return window;
}

QWidget* TFormMain::openUnitWindow()
{
    const int kind = m_program->windows().get<TForm_Nagrev_Dialog>()->askKind();
    if (kind < 0 || kind > 3)
        return nullptr;
    QWidget* window = openTaskWindow(unitActionName);
    if (window)
        applyUnitKind(window, kind);
    return window;
}

void TFormMain::showDescription(const ui::DescriptionItem& item)
{
    m_program->showDescription(item);
}

void TFormMain::setPermanentStatus(const QString& text)
{
    m_permanentStatus->setText(text);
}

void TFormMain::scheduleStartMenuUpdate()
{
    // Activation changes come in bursts while windows open and close; the rule runs once after them.
    if (m_updateQueued || m_closing)
        return;
    m_updateQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_updateQueued = false;
            updateStartMenu();
        },
        Qt::QueuedConnection);
}

void TFormMain::updateStartMenu()
{
    if (m_closing)
        return;
    const QList<QMdiSubWindow*> children = m_workspace->subWindowList();
    if (children.isEmpty()) {
        createStartMenu();
    } else if (m_startMenuWindow && children.size() > 1) {
        QMdiSubWindow* menu = m_startMenuWindow;
        m_startMenuWindow = nullptr;
        menu->close();
    }
}

void TFormMain::createStartMenu()
{
    auto* menu = new TFormStartMenu;
    connect(menu, &TFormStartMenu::actionRequested, this, [this](const QString& name) {
        if (auto* action = findChild<QAction*>(name))
            action->trigger();
    });
    QMdiSubWindow* sub = m_workspace->addSubWindow(menu, Qt::SubWindow | Qt::FramelessWindowHint);
    sub->setObjectName(QStringLiteral("StartMenuWindow"));
    sub->setAttribute(Qt::WA_DeleteOnClose);
    ui::releaseShortcuts(sub, ui::menuShortcuts(m_frameMenus));
    sub->setMinimumSize(0, 0);
    connect(sub, &QObject::destroyed, this, [this] { scheduleStartMenuUpdate(); });
    m_startMenuWindow = sub;
    layoutStartMenu();
    sub->show();
}

void TFormMain::layoutStartMenu()
{
    if (m_closing || !m_startMenuWindow)
        return;
    m_startMenuWindow->setGeometry(startMenuGeometry(m_workspace->viewport()->size()));
}

void TFormMain::mergeMenusOf(QMdiSubWindow* active)
{
    const QList<QMenu*> order
        = ui::mergedMenuOrder(m_frameMenus, ui::contributedMenus(active ? active->widget() : nullptr));
    QList<QAction*> wanted;
    for (QMenu* menu : order)
        wanted.append(menu->menuAction());
    // Rebuilt only when the active window brings other menus, so the bar does not flicker.
    if (menuBar()->actions() != wanted)
        ui::showMenusInOrder(menuBar(), order);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    // No start menu while the task windows go away one by one.
    m_closing = true;
    m_workspace->closeAllSubWindows();
    event->accept();
}

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_closing = false;
    scheduleStartMenuUpdate();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == m_workspace->viewport()) {
        layoutStartMenu();
    } else if (event->type() == QEvent::StatusTip && watched->isWidgetType()) {
        // Tips of controls in other top-level windows never travel up to the frame by themselves.
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != this && !qobject_cast<QMenu*>(widget))
            statusBar()->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
    }
    return QMainWindow::eventFilter(watched, event);
}
