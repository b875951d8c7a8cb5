#include "app/StartMenuLayout.h"
#include "app/TaskWindowPlace.h"
#include "app/ZfnApplication.h"
#include "common/StoreError.h"
#include "ui/Hints.h"
#include "ui/MenuMerge.h"
#include "ui/Messages.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

TEST(StartMenuLayout, FullSizeCentredAndShrunkInSmallWorkspaces)
{
    const struct {
        QSize workspace;
        QRect expected;
    } cases[] {
        {{1200, 800}, {342, 212, 511, 371}}, // room to spare: full size, centred
        {{525, 385}, {5, 5, 511, 371}}, // exactly the full size plus the margin
        {{524, 384}, {5, 5, 510, 370}}, // one pixel less: shrinks to the workspace minus 14
        {{400, 300}, {5, 5, 386, 286}}, {{1201, 801}, {343, 213, 511, 371}}, // odd leftovers are truncated
        {{8, 6}, {5, 5, 0, 0}}, // a workspace smaller than the margin never gives a negative size
    };
    for (const auto& c : cases)
        EXPECT_EQ(startMenuGeometry(c.workspace), c.expected)
            << c.workspace.width() << "x" << c.workspace.height();
}

TEST(TaskWindowPlace, CascadesAndKeepsTheWholeWindowInsideTheWorkspace)
{
    const QSize workspace(1280, 740);
    const struct {
        int openBefore;
        QSize wanted, smallest;
        QRect expected;
    } cases[] {
        {0, {900, 700}, {600, 500}, {0, 0, 900, 700}}, // the first window at its own size
        {2, {900, 600}, {600, 500}, {48, 48, 900, 600}}, // fits at its cascade place
        {5, {1050, 670}, {600, 500}, {120, 120, 1050, 620}}, // shortened to the room below its place
        {5, {1050, 670}, {900, 660}, {120, 80, 1050, 660}}, // cannot be that short: moved up instead
        {9, {700, 500}, {600, 400}, {24, 24, 700, 500}}, // the cascade starts again after eight
        {3, {1400, 900}, {1300, 800}, {0, 0, 1300, 800}}, // larger than the workspace: from the corner
    };
    for (const auto& c : cases)
        EXPECT_EQ(taskWindowPlace(c.openBefore, c.wanted, c.smallest, workspace), c.expected) << c.openBefore;
}

TEST(Hints, ShortPartIsTheTooltipLongPartTheStatusText)
{
    const struct {
        QString hint, shortText, longText;
    } cases[] {
        {u"ЗФН-подбор|Выберите для подбора"_s, u"ЗФН-подбор"_s, u"Выберите для подбора"_s},
        {u"Вызов справки"_s, u"Вызов справки"_s, u"Вызов справки"_s},
        {u"|Описание по сериям вентиляторов"_s, QString(), u"Описание по сериям вентиляторов"_s},
        {u"a|b|c"_s, u"a"_s, u"b|c"_s},
    };
    for (const auto& c : cases) {
        const ui::HintParts parts = ui::splitHint(c.hint);
        EXPECT_EQ(parts.shortText, c.shortText) << c.hint.toStdString();
        EXPECT_EQ(parts.longText, c.longText) << c.hint.toStdString();
    }
}

TEST(MenuMerge, WindowMenusGoBetweenTheFrameMenusByGroup)
{
    QMenu open, descriptions, help, windowFirst, windowSecond, windowLast;
    ui::setMergeGroup(&open, 1);
    ui::setMergeGroup(&descriptions, 2);
    ui::setMergeGroup(&help, 3);
    ui::setMergeGroup(&windowFirst, 1);
    ui::setMergeGroup(&windowSecond, 2);
    ui::setMergeGroup(&windowLast, 9);
    const QList<QMenu*> merged
        = ui::mergedMenuOrder({&open, &descriptions, &help}, {&windowLast, &windowSecond, &windowFirst});
    const QList<QMenu*> expected {&open, &windowFirst, &descriptions, &windowSecond, &help, &windowLast};
    EXPECT_EQ(merged, expected);
}

class FailureReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::setMessageSink([this](const QString& text, ui::MessageKind kind) {
            messages.append(text);
            kinds.append(kind);
        });
    }
    void TearDown() override { ui::setMessageSink({}); }

    QStringList messages;
    QList<ui::MessageKind> kinds;
};

TEST_F(FailureReport, AnEscapingErrorEndsTheOperationWithItsMessage)
{
    EXPECT_FALSE(
        runReportingFailure([]() -> bool { throw CatalogueError(u"Таблица razmzfn не найдена"_s); }));
    EXPECT_FALSE(runReportingFailure([]() -> bool { throw std::runtime_error("disk full"); }));
    EXPECT_FALSE(runReportingFailure([]() -> bool { throw 42; }));
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0], u"Таблица razmzfn не найдена"_s);
    EXPECT_EQ(messages[1], u"disk full"_s);
    EXPECT_FALSE(messages[2].isEmpty());
    EXPECT_EQ(kinds[0], ui::MessageKind::Error);
}

TEST_F(FailureReport, AHandlerThatSucceedsIsSilentAndKeepsItsResult)
{
    EXPECT_TRUE(runReportingFailure([] { return true; }));
    EXPECT_FALSE(runReportingFailure([] { return false; }));
    EXPECT_TRUE(messages.isEmpty());
}

// After the program's start-up Qt's standard dialogs and buttons speak Russian, and no display name is
// set that Qt would append to every window caption.
TEST(ProgramSetUp, QtSpeaksRussianAndCaptionsStayAsGiven)
{
    const QFont font = QApplication::font();
    setUpProgram();
    EXPECT_EQ(QApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Отмена"_s);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), u"&Имя файла:"_s);
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), u"Отмена"_s);

    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QApplication::setFont(font);
}
