#include "fans/ui/FansFoundWindow.h"
#include "app/ProgramContext.h"
#include "fans/GeneralSelection.h"
#include "fans/SpeedControlledContent.h"
#include "support/ChartLabelBoxes.h"
#include "ui/GridColumns.h"
#include "ui/report/CustomPlot.h"

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The fans-found window after a run for 5000 m³/h and 500 Pa on every duct series of the bundled catalogue.
class FansFoundWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        request.flow = 5000;
        request.pressure = 500;
        for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries()) {
            if (entry.group == fans::FanGroup::Duct)
                request.series.push_back({entry.name, entry.icon == fans::RoundDuctIcon});
        }
        run = fans::runGeneralSelection(request);
        ASSERT_EQ(run.outcome.status, fans::SelectionOutcome::Status::Listed);
        program.windows().add<TFormGrVovazu>();
        window = program.windows().get<TFormGrVovazu>();
        window->resize(1400, 900);
        window->fill(fans::foundFansContentOf(run.outcome, request, QLatin1Char('.')));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        list = window->findChild<QListWidget*>(u"ListBoxVOVAZU"_s);
        grid = window->findChild<QTableWidget*>(u"StringVOVAZU"_s);
        chart = window->findChild<QCustomPlot*>(u"Chart1"_s);
        ASSERT_TRUE(list && grid && chart);
        ASSERT_GE(list->count(), 5);
    }
    ProgramContext program;
    fans::SelectionRequest request;
    fans::GeneralSelection run;
    TFormGrVovazu* window = nullptr;
    QListWidget* list = nullptr;
    QTableWidget* grid = nullptr;
    QCustomPlot* chart = nullptr;
};

// A pixel on the graph where a click hits that graph and no other.
std::optional<QPoint> pixelOn(QCustomPlot* chart, QCPGraph* graph)
{
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it) {
        const QPointF pixel = graph->coordsToPixels(it->key, it->value);
        if (chart->axisRect()->rect().contains(pixel.toPoint()) && chart->plottableAt(pixel, false) == graph)
            return pixel.toPoint();
    }
    return std::nullopt;
}

} // namespace

TEST_F(FansFoundWindowTest, ContentOfTheRun)
{
    EXPECT_EQ(window->windowTitle(), u"ЗФН: Выберите канальный вентилятор"_s);
    EXPECT_EQ(grid->rowCount(), list->count());
    EXPECT_EQ(grid->columnCount(), 19);
    EXPECT_EQ(window->series(0)->dataCount(), 31); // system curve
    EXPECT_EQ(window->series(1)->dataCount(), 1); // duty point
    EXPECT_EQ(window->series(1)->data()->at(0)->value, 500);
    for (int c = 1; c <= list->count(); ++c) {
        EXPECT_EQ(window->series(TFormGrVovazu::firstCurveSeries + c - 1)->name(), list->item(c - 1)->text());
        EXPECT_GT(window->series(TFormGrVovazu::firstCurveSeries + c - 1)->dataCount(), 2);
        EXPECT_EQ(grid->item(c - 1, 0)->text(), QString::number(c));
        EXPECT_EQ(grid->item(c - 1, 1)->text(), list->item(c - 1)->text());
        ASSERT_NE(window->labelMark(c), nullptr);
        EXPECT_EQ(window->labelMark(c)->text(), list->item(c - 1)->text());
    }
    EXPECT_EQ(window->series(TFormGrVovazu::firstCurveSeries + list->count())->dataCount(), 0);
    EXPECT_FALSE(window->findChild<QPushButton*>(u"Button3"_s)->isVisible());
    // Every text of a column meant to be seen stands whole in its cell, even drawn bold.
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            if (grid->columnWidth(column) > 2) {
                EXPECT_GE(grid->columnWidth(column), ui::cellWidthFor(grid, grid->item(row, column)->text()))
                    << grid->item(row, column)->text().toStdString();
            }
        }
    }
}

// The chart of a crowded band takes the larger part of the window's height; the grid still shows several
// fans.
TEST_F(FansFoundWindowTest, OpensWithTheChartLargerThanTheGrid)
{
    EXPECT_GT(chart->height(), grid->height()) << chart->height() << " " << grid->height();
    EXPECT_GE(grid->viewport()->height(), 5 * grid->verticalHeader()->defaultSectionSize());
}

// Once the window is active and the list has the focus, still no fan is chosen until the user moves.
TEST_F(FansFoundWindowTest, OpensWithTheListFocusedAndNoFanChosen)
{
    // The user was elsewhere when the run ended.
    QWidget elsewhere;
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window->fill(fans::foundFansContentOf(run.outcome, request, QLatin1Char('.')));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == list; }));
    EXPECT_EQ(window->gridRow(), 0);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(window->series(2)->dataCount(), 0); // no operating point
    EXPECT_EQ(window->series(TFormGrVovazu::seriesCount - 1)->dataCount(), 0); // no leader line

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->gridRow(), 2);
    EXPECT_EQ(window->series(2)->dataCount(), 1);
}

// The left axis names the pressure the run selected for, the caption the kind of fan it lists.
TEST_F(FansFoundWindowTest, PressureAxisAndCaptionFollowTheRun)
{
    const struct {
        fans::FanGroup group;
        fans::PressureKind kind;
        const char16_t* axis;
        const char16_t* caption;
    } cases[] = {
        {fans::FanGroup::Pressurization, fans::PressureKind::Static, u"Статическое давление, Па",
            u"ЗФН: Выберите вентилятор подпора воздуха"},
        {fans::FanGroup::Pressurization, fans::PressureKind::Total, u"Полное давление, Па",
            u"ЗФН: Выберите вентилятор подпора воздуха"},
        {fans::FanGroup::Roof, fans::PressureKind::Static, u"Статическое давление, Па",
            u"ЗФН: Выберите крышный вентилятор"},
        {fans::FanGroup::Duct, fans::PressureKind::Total, u"Полное давление, Па",
            u"ЗФН: Выберите канальный вентилятор"},
    };
    for (const auto& c : cases) {
        fans::SelectionRequest other = request;
        other.group = c.group;
        other.pressureKind = c.kind;
        other.series.clear();
        for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries()) {
            if (entry.group == c.group)
                other.series.push_back({entry.name, entry.icon == fans::RoundDuctIcon});
        }
        const fans::GeneralSelection otherRun = fans::runGeneralSelection(other);
        window->fill(fans::foundFansContentOf(otherRun.outcome, other, QLatin1Char('.')));
        EXPECT_EQ(chart->yAxis->label(), QString::fromUtf16(c.axis));
        EXPECT_EQ(window->windowTitle(), QString::fromUtf16(c.caption));
    }
}

TEST_F(FansFoundWindowTest, ThirdListEntryMarksItsOperatingPoint)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(window->gridRow(), 4);
    QCPGraph* point = window->series(2);
    ASSERT_EQ(point->dataCount(), 1);
    const fans::OperatingPoint& op = window->run().operatingPoints.at(2);
    EXPECT_EQ(op.seriesIndex, 6);
    EXPECT_EQ(point->data()->at(0)->key, op.flow);
    EXPECT_EQ(point->data()->at(0)->value, op.pressure);
    EXPECT_EQ(point->scatterStyle().brush().color(), QColor(Qt::red));
    // Two yellow leader lines, from the point to the bottom and to the left axis.
    QCPGraph* horizontal = window->series(63);
    QCPGraph* vertical = window->series(64);
    ASSERT_EQ(horizontal->dataCount(), 2);
    ASSERT_EQ(vertical->dataCount(), 2);
    EXPECT_EQ(horizontal->pen().color(), QColor(Qt::yellow));
    EXPECT_EQ(vertical->pen().color(), QColor(Qt::yellow));
    // (the chart keeps a line's points sorted by flow)
    EXPECT_DOUBLE_EQ(horizontal->data()->at(0)->key, chart->xAxis->range().lower);
    EXPECT_DOUBLE_EQ(horizontal->data()->at(1)->key, 0.99 * op.flow);
    for (int i : {0, 1}) {
        EXPECT_DOUBLE_EQ(horizontal->data()->at(i)->value, op.pressure);
        EXPECT_DOUBLE_EQ(vertical->data()->at(i)->key, op.flow);
    }
    bool found = false;
    const QCPRange verticalEnds = vertical->getValueRange(found);
    EXPECT_DOUBLE_EQ(verticalEnds.lower, chart->yAxis->range().lower);
    EXPECT_DOUBLE_EQ(verticalEnds.upper, 0.95 * op.pressure);

    // Choosing another fan moves the mark: one point, never two.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->gridRow(), 5);
    EXPECT_EQ(point->dataCount(), 1);
    EXPECT_EQ(point->data()->at(0)->key, window->run().operatingPoints.at(3).flow);
}

TEST_F(FansFoundWindowTest, LabelsStayInsideThePlotAndApart)
{
    // The curves all end at the band's upper flow: their labels stack there instead of piling up.
    list->setCurrentRow(list->count() - 1);
    chart->replot();
    std::vector<const QCPItemText*> marks;
    for (int c = 1; c <= list->count(); ++c)
        marks.push_back(window->labelMark(c));
    ASSERT_GE(marks.size(), 3u);
    EXPECT_EQ(misplacedLabels(chart, marks), std::vector<std::string> {});
    // The chosen fan's label is placed first: nothing covers it, even in a small window.
    window->showNormal();
    window->resize(700, 500);
    QApplication::processEvents();
    chart->replot();
    const QRectF chosen = labelBox(window->labelMark(list->count()));
    EXPECT_TRUE(chart->axisRect()->rect().adjusted(-1, -1, 1, 1).contains(chosen.toRect()));
    for (int c = 1; c < list->count(); ++c)
        EXPECT_FALSE(labelBox(window->labelMark(c)).intersects(chosen)) << c;
}

TEST_F(FansFoundWindowTest, ClickingACurveChoosesItsFan)
{
    const int fan = 5;
    QCPGraph* curve = window->series(TFormGrVovazu::firstCurveSeries + fan - 1);
    chart->replot();
    const auto pixel = pixelOn(chart, curve);
    ASSERT_TRUE(pixel) << "fan 5's curve is hidden under others";
    QTest::mouseClick(chart, Qt::LeftButton, {}, *pixel);
    EXPECT_EQ(window->gridRow(), fan + 1);
    EXPECT_EQ(list->currentRow(), fan - 1);
    EXPECT_EQ(curve->pen().widthF(), 2);
    EXPECT_EQ(window->labelMark(fan)->brush().color(), QColor(255, 255, 207));
    EXPECT_EQ(window->labelMark(fan)->pen().widthF(), 3);
    EXPECT_EQ(window->series(TFormGrVovazu::firstCurveSeries)->pen().widthF(), 1);
    EXPECT_EQ(window->labelMark(1)->brush().color(), QColor(Qt::white));

    // Zoomed in so far that only two points of a curve remain visible, a click on it does nothing.
    QCPGraph* other = window->series(TFormGrVovazu::firstCurveSeries);
    const auto first = other->data()->at(0);
    const auto second = other->data()->at(1);
    chart->xAxis->setRange(first->key - 1e-3, second->key + 1e-3);
    chart->yAxis->setRange(
        std::min(first->value, second->value) - 5, std::max(first->value, second->value) + 5);
    chart->replot();
    if (const auto onOther = pixelOn(chart, other)) {
        QTest::mouseClick(chart, Qt::LeftButton, {}, *onOther);
        EXPECT_EQ(window->gridRow(), fan + 1);
    }
}

// Two listed fans of one designation: a click on the first one's curve chooses the first, not the last
// row of that name.
TEST_F(FansFoundWindowTest, ClickingACurveChoosesThatFanAmongNamesakes)
{
    fans::FoundFansContent content = fans::foundFansContentOf(run.outcome, request, QLatin1Char('.'));
    ASSERT_GE(content.fans.size(), 5u);
    fans::FoundFanEntry& namesake = content.fans[4];
    namesake.designation = content.fans[2].designation;
    namesake.row[1] = content.fans[2].row[1];
    window->fill(content);
    QCPGraph* curve = window->series(TFormGrVovazu::firstCurveSeries + 2);
    chart->replot();
    const auto pixel = pixelOn(chart, curve);
    ASSERT_TRUE(pixel) << "fan 3's curve is hidden under others";
    QTest::mouseClick(chart, Qt::LeftButton, {}, *pixel);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(window->gridRow(), 4);
}

TEST_F(FansFoundWindowTest, DetailsFillTheSelectedFan)
{
    QList<fans::SelectedFan> handed;
    QObject::connect(window, &TFormGrVovazu::detailsRequested,
        [&handed](const fans::SelectedFan& fan) { handed.append(fan); });
    const auto selected
        = [this] { return program.records().get<fans::SelectedFan>().value_or(fans::SelectedFan {}); };
    ASSERT_FALSE(program.records().get<fans::SelectedFan>());

    // Nothing chosen: the first fan.
    QTest::mouseClick(window->findChild<QPushButton*>(u"Button2"_s), Qt::LeftButton);
    EXPECT_EQ(selected().designation, list->item(0)->text());
    EXPECT_EQ(selected().flow, grid->item(0, 2)->text().toDouble());
    EXPECT_EQ(selected().pressure, grid->item(0, 3)->text().toDouble());
    EXPECT_EQ(selected().requiredFlow, 5000);
    EXPECT_EQ(selected().requiredPressure, 500);
    const fans::FanSheetValues sheet = fans::fanSheetValuesOf(selected(), QLatin1Char('.'));
    EXPECT_EQ(sheet.rows.size(), 14u);
    EXPECT_EQ(sheet.rows[1].first, u"Полное давление - Pв, Па"_s);
    ASSERT_EQ(handed.size(), 1);
    EXPECT_EQ(handed[0].designation, selected().designation);

    // A double click in the grid hands over that row's fan.
    const QRect cell = grid->visualRect(grid->model()->index(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(selected().designation, list->item(2)->text());
    EXPECT_EQ(fans::fanSheetValuesOf(selected(), QLatin1Char('.')).rows[0].second, grid->item(2, 2)->text());
    EXPECT_EQ(handed.size(), 2);
}

// Dragging from upper left to lower right zooms into the rectangle; dragging towards the left shows the whole
// picture again.
TEST_F(FansFoundWindowTest, RectangleZoomAndBack)
{
    chart->replot();
    const QCPRange wholeX = chart->xAxis->range();
    const QCPRange wholeY = chart->yAxis->range();
    const QRect area = chart->axisRect()->rect();
    const QPoint upperLeft = area.topLeft() + QPoint(area.width() / 4, area.height() / 4);
    const QPoint lowerRight = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    const auto drag = [&](QPoint from, QPoint to) {
        QTest::mousePress(chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(chart, (from + to) / 2);
        QTest::mouseMove(chart, to);
        QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
    };
    drag(upperLeft, lowerRight);
    EXPECT_NEAR(chart->xAxis->range().lower, wholeX.lower + wholeX.size() / 4, wholeX.size() / 50);
    EXPECT_NEAR(chart->xAxis->range().upper, wholeX.lower + wholeX.size() / 2, wholeX.size() / 50);
    EXPECT_NEAR(chart->yAxis->range().upper, wholeY.upper - wholeY.size() / 4, wholeY.size() / 50);
    EXPECT_NEAR(chart->yAxis->range().lower, wholeY.upper - wholeY.size() / 2, wholeY.size() / 50);

    drag(QPoint(lowerRight.x(), upperLeft.y()), QPoint(upperLeft.x(), lowerRight.y()));
    EXPECT_DOUBLE_EQ(chart->xAxis->range().lower, wholeX.lower);
    EXPECT_DOUBLE_EQ(chart->xAxis->range().upper, wholeX.upper);
    EXPECT_DOUBLE_EQ(chart->yAxis->range().lower, wholeY.lower);
    EXPECT_DOUBLE_EQ(chart->yAxis->range().upper, wholeY.upper);
}

// A run with speed control lists its ranked fans with their own columns, every curve through the duty point,
// draws the chosen fan's full-speed curve dashed and hands it on at its duty speed; the next general run
// brings back the general grid.
TEST_F(FansFoundWindowTest, SpeedControlledRunAndBack)
{
    // A small duty that many larger fans meet at reduced speed.
    fans::SelectionRequest speedRequest = request;
    speedRequest.flow = 2000;
    speedRequest.pressure = 200;
    const fans::SpeedControlledRun speedRun = fans::runSpeedControlledSelection(speedRequest, 30);
    ASSERT_EQ(speedRun.outcome.fans.size(), size_t(fans::maxSpeedControlledFans)); // room for all 30
    QList<fans::SelectedFan> handed;
    QObject::connect(window, &TFormGrVovazu::detailsRequested,
        [&handed](const fans::SelectedFan& fan) { handed.append(fan); });
    window->fill(fans::speedControlledContentOf(speedRun.outcome, speedRequest, QLatin1Char('.')));

    ASSERT_EQ(list->count(), fans::maxSpeedControlledFans);
    ASSERT_EQ(grid->columnCount(), 12);
    EXPECT_EQ(grid->horizontalHeaderItem(7)->text(), u"Класс SFP\nEN 16798-3"_s);
    for (int c = 1; c <= list->count(); ++c) {
        const fans::SpeedControlledFan& fan = speedRun.outcome.fans[size_t(c - 1)];
        SCOPED_TRACE(list->item(c - 1)->text().toStdString());
        EXPECT_EQ(grid->item(c - 1, 1)->text(), list->item(c - 1)->text());
        EXPECT_EQ(grid->item(c - 1, 7)->text(), u"SFP%1"_s.arg(*fan.sfpClass));
        EXPECT_EQ(grid->item(c - 1, 3)->text(), QString::number(fan.speedRatio * 100, 'f', 1));
        // The curve at the duty speed passes through (2000, 200).
        const QCPGraph* curve = window->series(TFormGrVovazu::firstCurveSeries + c - 1);
        auto above = curve->data()->findBegin(2000, false);
        ASSERT_NE(above, curve->data()->constEnd());
        ASSERT_NE(above, curve->data()->constBegin());
        const auto below = above - 1;
        const double atDuty
            = below->value + (above->value - below->value) * (2000 - below->key) / (above->key - below->key);
        EXPECT_NEAR(atDuty, 200, 2);
        EXPECT_EQ(window->series(TFormGrVovazu::labelSeries(c))->dataCount(), 1);
    }
    // The 30th fan's label point stands after the leader lines, which stay empty until a fan is chosen.
    EXPECT_EQ(TFormGrVovazu::labelSeries(30), TFormGrVovazu::seriesCount);
    QCPGraph* fullSpeed = window->series(TFormGrVovazu::fullSpeedSeries);
    EXPECT_EQ(fullSpeed->dataCount(), 0);
    window->chooseFan(30);
    EXPECT_EQ(window->series(2)->data()->at(0)->key, 2000); // the chosen fan works at the duty
    EXPECT_EQ(window->series(2)->data()->at(0)->value, 200);
    EXPECT_EQ(window->series(TFormGrVovazu::seriesCount - 1)->dataCount(), 2);

    // The chosen fan's curve at catalogue speed, dashed in its colour, meets the system curve at Qop.
    const auto fullSpeedAt = [&](double q) {
        auto above = fullSpeed->data()->findBegin(q, false);
        EXPECT_NE(above, fullSpeed->data()->constBegin());
        EXPECT_NE(above, fullSpeed->data()->constEnd());
        const auto below = above - 1;
        return below->value + (above->value - below->value) * (q - below->key) / (above->key - below->key);
    };
    for (const int c : {30, 2}) {
        window->chooseFan(c);
        const fans::SpeedControlledFan& fan = speedRun.outcome.fans[size_t(c - 1)];
        SCOPED_TRACE(c);
        EXPECT_EQ(fullSpeed->dataCount(), int(fans::fullSpeedCurve(fan).size()));
        EXPECT_EQ(fullSpeed->pen().style(), Qt::DashLine);
        EXPECT_EQ(
            fullSpeed->pen().color(), window->series(TFormGrVovazu::firstCurveSeries + c - 1)->pen().color());
        const double qop = fan.fullSpeedFlow;
        EXPECT_NEAR(fullSpeedAt(qop), 200 * (qop / 2000) * (qop / 2000), 2);
    }

    // "Подробно" hands the chosen fan at its duty speed, working at the duty.
    auto* details = window->findChild<QPushButton*>(u"Button2"_s);
    EXPECT_TRUE(details->isEnabled());
    QTest::mouseClick(details, Qt::LeftButton);
    ASSERT_EQ(handed.size(), 1);
    EXPECT_EQ(handed[0].designation, list->item(1)->text().trimmed());
    EXPECT_EQ(handed[0].flow, 2000);
    EXPECT_EQ(handed[0].pressure, 200);
    ASSERT_TRUE(handed[0].listed.speedRatio.has_value());
    EXPECT_EQ(*handed[0].listed.speedRatio, speedRun.outcome.fans[1].speedRatio);
    EXPECT_NEAR(*handed[0].listed.found.curve.pressureAt(2000), 200, 1e-6);

    // A general run draws no full-speed curve for its chosen fan.
    window->fill(fans::foundFansContentOf(run.outcome, request, QLatin1Char('.')));
    EXPECT_EQ(grid->columnCount(), 19);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), u"Ист. Расход\nQи (м3/час)"_s);
    EXPECT_EQ(window->series(TFormGrVovazu::labelSeries(30))->dataCount(), 0);
    EXPECT_EQ(fullSpeed->dataCount(), 0);
    window->chooseFan(1);
    EXPECT_EQ(fullSpeed->dataCount(), 0);
    EXPECT_EQ(window->series(2)->dataCount(), 1);
}
