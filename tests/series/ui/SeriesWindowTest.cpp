#include "series/ui/SeriesWindow.h"
#include "app/ProgramContext.h"
#include "app/SharedWindowList.h"
#include "common/CatalogueStore.h"
#include "fans/FanCatalogue.h"
#include "fans/ui/SeriesIcons.h"
#include "fanviews/ui/FanGraphsWindow.h"
#include "fanviews/ui/OctaveTable.h"
#include "series/SeriesFixture.h"
#include "series/ui/SeriesFanViews.h"
#include "series/ui/TForm_YarlykChange.h"
#include "support/ChartLabelBoxes.h"
#include "support/WindowTesting.h"
#include "ui/Messages.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"
#include "ui/report/CustomPlot.h"
#include "ui/report/TQRep_FORM.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Answers the label dialog each time it comes up with the next button of the list ("" closes it).
class DialogAnswers {
public:
    explicit DialogAnswers(QStringList buttons, std::function<void(QDialog*)> before = {})
        : m_buttons(std::move(buttons))
        , m_before(std::move(before))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<TForm_YarlykChange*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            ++m_shown;
            if (m_before)
                m_before(dialog);
            const QString next = m_buttons.isEmpty() ? QString() : m_buttons.takeFirst();
            if (next.isEmpty())
                dialog->reject();
            else
                dialog->findChild<QPushButton*>(next)->click();
        });
        m_timer.start(10);
    }
    int shown() const { return m_shown; }

private:
    QTimer m_timer;
    QStringList m_buttons;
    std::function<void(QDialog*)> m_before;
    int m_shown = 0;
};

int rowOf(const QListWidget* list, const QString& name)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name)
            return row;
    }
    return -1;
}

QPoint pixelOf(QCustomPlot* chart, double flow, double pressure)
{
    return QPoint(int(chart->xAxis->coordToPixel(flow)), int(chart->yAxis->coordToPixel(pressure)));
}

void click(QCustomPlot* chart, QPoint at)
{
    QTest::mousePress(chart, Qt::LeftButton, {}, at);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, at);
}

} // namespace

class SeriesWindows : public SeriesCatalogue {
protected:
    void SetUp() override
    {
        SeriesCatalogue::SetUp();
        registerSharedWindows(program.windows());
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
    }
    void TearDown() override
    {
        ui::setMessageSink({});
        SeriesCatalogue::TearDown();
    }

    // A general window showing a series of the catalogue, on screen and active.
    std::unique_ptr<TFormChildUtility> openOn(const QString& series)
    {
        auto window = std::make_unique<TFormChildUtility>(program);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->seriesList()->setCurrentRow(rowOf(window->seriesList(), series));
        return window;
    }

    ProgramContext program;
    QStringList messages;
};

TEST_F(SeriesWindows, ChoosingASeriesFillsChartGridAndPrintTable)
{
    auto window = openOn(u"Canal R"_s);
    QTableWidget* grid = window->grid();
    ASSERT_EQ(grid->rowCount(), 5);
    EXPECT_EQ(grid->item(1, 1)->text(), u"Canal 3,15-4-3"_s);
    EXPECT_EQ(grid->item(1, 4)->text(), u"диам. 315"_s);
    EXPECT_EQ(grid->item(4, 0)->text(), u"5"_s);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(window->curve(k)->dataCount(), 25) << k;
        EXPECT_TRUE(window->label(k)->visible()) << k;
    }
    EXPECT_EQ(window->chart()->yAxis->label(), u"Полное давление, Па"_s);
    EXPECT_TRUE(window->findChild<QPushButton*>(u"bDetails"_s)->isEnabled());
    EXPECT_EQ(window->currentFan(), 0);
    EXPECT_TRUE(window->isBlinking()) << "the active window's current fan blinks";

    // A smaller series empties what the larger one drew; roof fans are charted by static pressure.
    window->seriesList()->setCurrentRow(rowOf(window->seriesList(), u"Roof K"_s));
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(window->chart()->yAxis->label(), u"Статическое давление, Па"_s);
    EXPECT_EQ(window->overview().fans[0].label->x(), 1.5 * 3500)
        << "a label placed beyond the curve: its end";
    EXPECT_EQ(window->overview().fans[1].label->x(), 2000) << "placed by hand";
    int drawn = 0;
    for (int i = 0; i < window->chart()->graphCount(); ++i)
        drawn += window->chart()->graph(i)->dataCount() > 0 ? 1 : 0;
    EXPECT_EQ(drawn, 4) << "two curves and two label points";
    QSqlQuery rows(store::workingDatabase());
    ASSERT_TRUE(rows.exec(u"SELECT COUNT(*) FROM ventutil"_s) && rows.next());
    EXPECT_EQ(rows.value(0).toInt(), 2);

    // Another window becomes active: the blinking stops.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->isBlinking());
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(SeriesWindows, LabelsStayInsideThePlotAndApart)
{
    // The labels of the smaller fans stand near the left axis; in a narrow chart they would be cut there.
    auto window = openOn(u"Canal R"_s);
    for (QSize size : {QSize(1000, 680), QSize(640, 480)}) {
        window->resize(size);
        QApplication::processEvents();
        for (int current : {0, 4}) {
            window->chooseFan(current);
            window->chart()->replot();
            std::vector<const QCPItemText*> marks;
            for (int k = 0; k < 5; ++k)
                marks.push_back(window->label(k));
            EXPECT_EQ(misplacedLabels(window->chart(), marks), std::vector<std::string> {})
                << size.width() << " wide, fan " << current << " current";
        }
    }
}

// A window opened at its own size gives the chart of a whole series the larger part of its height, and
// the grid still shows several fans.
TEST_F(SeriesWindows, OpensWithTheChartLargerThanTheGrid)
{
    for (const bool smoke : {false, true}) {
        std::unique_ptr<SeriesWindow> window;
        if (smoke)
            window = std::make_unique<TFormChildUtilitySMK>(program);
        else
            window = std::make_unique<TFormChildUtility>(program);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        const int chart = window->chart()->height();
        const int grid = window->grid()->height();
        EXPECT_GT(chart, grid) << (smoke ? "smoke" : "general") << " " << chart << " " << grid;
        EXPECT_GE(
            window->grid()->viewport()->height(), 5 * window->grid()->verticalHeader()->defaultSectionSize())
            << (smoke ? "smoke" : "general");
    }
}

// The smoke-exhaust pressure title is longer than the chart's axis in a window of ordinary size; cut at
// the chart's edge it would lose its unit.
TEST_F(SeriesWindows, AxisTitlesStayWholeInAShortChart)
{
    TFormChildUtilitySMK window(program);
    window.show();
    window.seriesList()->setCurrentRow(rowOf(window.seriesList(), u"Smk A"_s));
    QCustomPlot* chart = window.chart();
    for (QSize size : {QSize(1000, 640), QSize(1000, 900), QSize(700, 560)}) {
        window.resize(size);
        QApplication::processEvents();
        chart->replot();
        QApplication::processEvents();
        for (QCPAxis* axis : {chart->xAxis, chart->yAxis}) {
            const double length
                = axis == chart->yAxis ? chart->axisRect()->height() : chart->axisRect()->width();
            EXPECT_LE(QFontMetricsF(axis->labelFont()).horizontalAdvance(axis->label()), length)
                << axis->label().toStdString() << " in " << size.width() << "x" << size.height();
        }
    }
    // A title that fits keeps the size it was designed with.
    EXPECT_EQ(chart->xAxis->labelFont().pointSizeF(), chart->xAxis->tickLabelFont().pointSizeF());
}

TEST_F(SeriesWindows, ClickingACurveChoosesItsRow)
{
    auto window = openOn(u"Canal R"_s);
    QCustomPlot* chart = window->chart();
    // Only the largest fan reaches flows above 6200 m³/h (2 × 3100 … 7000).
    const auto point = window->curve(4)->data()->findBegin(6600);
    click(chart, pixelOf(chart, point->key, point->value));
    EXPECT_EQ(window->currentFan(), 4);
    EXPECT_EQ(window->grid()->currentRow(), 4);
    EXPECT_EQ(window->curve(4)->layer()->name(), u"front"_s) << "the current fan is drawn in front";
    EXPECT_EQ(window->curve(0)->layer()->name(), u"main"_s);
}

TEST_F(SeriesWindows, MovedLabelIsKeptInTheCatalogue)
{
    const double start = 0.61 * 3500; // the first fan's label
    {
        auto window = openOn(u"Canal R"_s);
        QCustomPlot* chart = window->chart();
        QCPItemText* label = window->label(0);
        const QPoint inside
            = ((label->topLeft->pixelPosition() + label->bottomRight->pixelPosition()) / 2).toPoint();
        ASSERT_EQ(chart->itemAt(inside, false), label);
        DialogAnswers answers({u"bRight"_s, u"bRight"_s, u"bLeft"_s, u"bRight"_s, u"bOK"_s});
        click(chart, inside);
        EXPECT_EQ(answers.shown(), 5);
        EXPECT_NEAR(window->overview().fans[0].label->x(), start + 100, 1e-9);
    }
    auto reopened = openOn(u"Canal R"_s);
    EXPECT_NEAR(reopened->overview().fans[0].label->x(), start + 100, 1e-9) << "read back from the catalogue";
    EXPECT_NEAR(reopened->overview().fans[1].label->x(), 0.48 * 1.25 * 3500, 1e-9)
        << "the other fans keep theirs";

    // Closing the dialog takes the moves back and writes nothing.
    {
        DialogAnswers answers({u"bLeft"_s, QString()});
        reopened->moveLabel(0);
    }
    EXPECT_NEAR(reopened->overview().fans[0].label->x(), start + 100, 1e-9);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(SeriesWindows, LabelDialogComesBackWhereItStood)
{
    auto window = openOn(u"Canal R"_s);
    QList<QPoint> places;
    bool moved = false;
    DialogAnswers answers({u"bRight"_s, u"bRight"_s, u"bLeft"_s, u"bOK"_s}, [&](QDialog* dialog) {
        places << dialog->pos();
        // The user puts it aside once: from then on it opens there.
        if (!moved)
            dialog->move(dialog->pos() + QPoint(40, 30));
        moved = true;
    });
    window->moveLabel(1);
    ASSERT_EQ(places.size(), 4);
    for (int i = 2; i < places.size(); ++i)
        EXPECT_EQ(places[i], places[1]) << "opening " << i + 1;
    EXPECT_EQ(places[1], places[0] + QPoint(40, 30));
}

TEST_F(SeriesWindows, SmokeSeriesLabelChoosesItsFanWithoutTheDialog)
{
    // The smoke-exhaust catalogue has nowhere to keep a label's place, so no move is offered.
    TFormChildUtilitySMK window(program);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.seriesList()->setCurrentRow(rowOf(window.seriesList(), u"Smk A"_s));
    ASSERT_GE(window.grid()->rowCount(), 2);
    EXPECT_FALSE(window.labelsMovable());
    const int k = window.grid()->rowCount() - 1;
    QCPItemText* label = window.label(k);
    ASSERT_TRUE(label && label->visible());
    const double before = window.overview().fans[size_t(k)].label->x();
    DialogAnswers answers({u"bRight"_s, u"bOK"_s});
    window.chart()->replot();
    const QPoint inside
        = ((label->topLeft->pixelPosition() + label->bottomRight->pixelPosition()) / 2).toPoint();
    ASSERT_EQ(window.chart()->itemAt(inside, false), label);
    click(window.chart(), inside);
    window.moveLabel(k);
    QTest::qWait(50);
    EXPECT_EQ(answers.shown(), 0) << "the label dialog was offered";
    EXPECT_EQ(window.currentFan(), k) << "the label's fan is chosen";
    EXPECT_EQ(window.overview().fans[size_t(k)].label->x(), before);
}

TEST_F(SeriesWindows, BadIncrementIsRefusedAndTheDialogStays)
{
    auto window = openOn(u"Canal R"_s);
    bool typed = false;
    DialogAnswers answers({u"bRight"_s, u"bOK"_s}, [&typed](QDialog* dialog) {
        if (!typed)
            dialog->findChild<SpinEditWidget*>(u"Input_Increment"_s)->setText(u"5o"_s);
        typed = true;
    });
    window->moveLabel(2);
    EXPECT_EQ(messages,
        (QStringList {
            u"Ошибочная запись числа: 5o"_s, u"Задайте необходимое число едениц смещения (целое число)."_s}));
    EXPECT_EQ(window->overview().fans[2].label->x(), 1.5 * 3500) << "nothing moved";
}

TEST_F(SeriesWindows, LockedCatalogueKeepsTheLabelWhereItWas)
{
    auto window = openOn(u"Canal R"_s);
    const double before = window->overview().fans[0].label->x();
    store::OwnConnection other(catalogueConfig());
    QSqlQuery lock(other.db());
    ASSERT_TRUE(lock.exec(u"BEGIN EXCLUSIVE"_s));
    QSqlQuery(store::aliasDatabase(store::vozuvadaAlias())).exec(u"PRAGMA busy_timeout = 50"_s);
    {
        DialogAnswers answers({u"bRight"_s, u"bOK"_s});
        window->moveLabel(0);
    }
    lock.exec(u"ROLLBACK"_s);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(u"lock"_s, Qt::CaseInsensitive)) << messages[0].toStdString();
    EXPECT_EQ(window->overview().fans[0].label->x(), before);
}

TEST_F(SeriesWindows, DetailsShowTheSheetOfTheCurrentRow)
{
    auto window = openOn(u"Rect S"_s);
    window->chooseFan(1);
    QTest::mouseClick(window->findChild<QPushButton*>(u"bDetails"_s), Qt::LeftButton);
    auto* sheet = program.windows().get<TForm_ResImage_Utility>();
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->findChild<QGroupBox*>(u"GroupBox_Res"_s)->title(),
        u"Характеристики выбранного вентилятора:  Rect RS-9"_s);
    const QTableWidget* rows = sheet->resultsGrid();
    EXPECT_EQ(rows->item(2, 1)->text(), u"600*350   мм"_s);
    EXPECT_EQ(rows->item(0, 1)->text(), QString()) << "a hand-named fan shows no diameter, nor its unit";
    EXPECT_EQ(rows->item(9, 0)->text(), u"Масса:"_s);
    EXPECT_FALSE(sheet->findChild<QPushButton*>(u"Button5"_s)->isVisible()) << "no photograph button";

    // Its graphs are the catalogue curves of that fan.
    QTest::mouseClick(sheet->findChild<QPushButton*>(u"Button4"_s), Qt::LeftButton);
    auto* graphs = program.windows().get<TResult_Form_Utility>();
    ASSERT_TRUE(graphs->isVisible());
    EXPECT_EQ(graphs->curves().flowPoints[5], 4900);
    EXPECT_EQ(graphs->pressureCurve()->dataCount(), 100);
    EXPECT_TRUE(graphs->windowTitle().endsWith(u"Rect RS-9"_s));
    graphs->close();
    sheet->close();
}

// The sheet of a general series carries the octave table of the fan's three noise rows, as the selected
// fan's sheet does; the smoke-exhaust series have no noise levels and no table.
TEST_F(SeriesWindows, GeneralSheetShowsTheOctaveLevelsOfItsNoiseRows)
{
    auto window = openOn(u"Canal R"_s);
    window->chooseFan(1);
    window->showDetails();
    auto* sheet = program.windows().get<TForm_ResImage_Utility>();
    ASSERT_NE(sheet->octaveTable(), nullptr);
    const QTableWidget* octaves = sheet->octaveTable()->grid();
    EXPECT_TRUE(octaves->isVisible());
    const FanRecord& record = window->overview().fans[1].record;
    const fanviews::SoundPowerLevels expected = fanviews::soundPowerLevels(
        sheet->sheet().designation, record.lpaInput, record.lpaOutput, record.lpaArround);
    ASSERT_TRUE(expected.inlet && expected.outlet && expected.casing);
    for (int band = 0; band < 8; ++band) {
        EXPECT_DOUBLE_EQ(
            QLocale::system().toDouble(octaves->item(1, band + 1)->text()), (*expected.inlet)[size_t(band)]);
        EXPECT_DOUBLE_EQ(
            QLocale::system().toDouble(octaves->item(2, band + 1)->text()), (*expected.outlet)[size_t(band)]);
        EXPECT_DOUBLE_EQ(
            QLocale::system().toDouble(octaves->item(3, band + 1)->text()), (*expected.casing)[size_t(band)]);
    }
    EXPECT_EQ(octaves->item(1, 4)->text(), u"74"_s) << "500 Hz carries no correction";
    sheet->close();

    EXPECT_EQ(program.windows().get<TForm_ResImage_UtilitySMK>()->octaveTable(), nullptr);
}

TEST_F(SeriesWindows, PrintPreviewsTheSeriesWithItsTable)
{
    auto window = openOn(u"Canal R"_s);
    auto* form = program.windows().get<TQRep_FORM>();
    EXPECT_TRUE(0 < windowtesting::previewedPages(form->report(), [&] {
        QTest::mouseClick(window->findChild<QPushButton*>(u"bPrint"_s), Qt::LeftButton);
    }));
    EXPECT_EQ(form->titleLabel()->text(), u"Характеристики вентиляторов: Canal R"_s);
    EXPECT_EQ(form->chart()->graph(4)->dataCount(), 25) << "the fifth curve in black";
    EXPECT_EQ(form->chart()->graph(5)->dataCount(), 0);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
}

TEST_F(SeriesWindows, SeriesOfFortyFansShowsEveryFan)
{
    std::vector<FanRecord> records;
    const FanRecord& model = fans::FanCatalogue::records(fans::CatalogueKind::General)->front();
    for (int i = 0; i < 40; ++i) {
        FanRecord fan = model;
        fan.d = 200 + 10 * i;
        for (int p = 0; p < fan.pointCount; ++p)
            fan.columns[size_t(p)] = *fan.columns[size_t(p)] * (1 + 0.05 * i);
        records.push_back(fan);
    }
    const series::SeriesItem item {model.name, 0, true, false, false};
    TFormChildUtility window(program);
    window.showSeries(series::seriesOverview(records, series::SeriesKind::General, item, u','));
    ASSERT_EQ(window.grid()->rowCount(), 40);
    for (int k = 0; k < 40; ++k)
        EXPECT_EQ(window.curve(k)->dataCount(), 25) << k;
    EXPECT_EQ(window.curve(36)->pen().color(), window.curve(0)->pen().color()) << "colours repeat after 36";

    auto* form = program.windows().get<TQRep_FORM>();
    EXPECT_TRUE(0 < windowtesting::previewedPages(form->report(), [&] { window.print(); }));
    EXPECT_GE(form->curveSlots(), 40);
    QSqlQuery rows(store::workingDatabase());
    ASSERT_TRUE(rows.exec(u"SELECT COUNT(*) FROM ventutil"_s) && rows.next());
    EXPECT_EQ(rows.value(0).toInt(), 40);
}

TEST_F(SeriesWindows, DescriptionAndPhotoOfASeriesWithoutFilesSayWhichFileIsMissing)
{
    auto window = openOn(u"Canal R"_s);
    QTest::mouseClick(window->findChild<QPushButton*>(u"bDescription"_s), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton*>(u"bPhoto"_s), Qt::LeftButton);
    EXPECT_EQ(messages,
        (QStringList {u"Не удается найти файл: Canal.rtf  ?!"_s,
            u"Не найден файл:  Canal.bmp   в каталоге из которого запущена программа"_s}));
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown != window.get() && shown->isVisible())
            shown->close();
    }
}

TEST_F(SeriesWindows, SheetPrintsTheCatalogueCurveWithoutAWorkingPoint)
{
    auto window = openOn(u"Canal R"_s);
    window->chooseFan(2);
    window->showDetails();
    auto* sheet = program.windows().get<TForm_ResImage_Utility>();
    auto* form = program.windows().get<TQRep_vovazu_FORM_Utility>();
    EXPECT_TRUE(0 < windowtesting::previewedPages(form->report(), [&] {
        QTest::mouseClick(sheet->findChild<QPushButton*>(u"Button2"_s), Qt::LeftButton);
    }));
    EXPECT_EQ(form->labelText(u"QRLabel6"_s), u"Canal 3,55-4-3"_s);
    EXPECT_EQ(form->labelText(u"QRLabelValue1"_s), u"1400   об/мин"_s);
    EXPECT_EQ(form->chart()->graph(0)->dataCount(), 100) << "the pressure curve";
    for (int series = 1; series < 4; ++series)
        EXPECT_EQ(form->chart()->graph(series)->dataCount(), 0) << "no system curve, duty or working point";
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    sheet->close();
}

// A series shows the same picture here as in its selection window: smoke-exhaust series by their group
// (roof or radial), not by the general series' duct pictures of the same number.
TEST_F(SeriesWindows, SeriesListsShowTheIconsOfTheSelectionWindows)
{
    struct Case {
        std::unique_ptr<SeriesWindow> window;
        std::vector<int> icons;
        QIcon (*iconOf)(int);
    };
    std::vector<int> smokeIcons;
    for (const fans::SmokeSeriesEntry& entry : fans::FanCatalogue::smokeSeries())
        smokeIcons.push_back(entry.icon);
    std::vector<int> generalIcons;
    for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries())
        generalIcons.push_back(entry.icon);
    Case cases[] = {{std::make_unique<TFormChildUtilitySMK>(program), smokeIcons, &fans::smokeSeriesIcon},
        {std::make_unique<TFormChildUtility>(program), generalIcons, &fans::generalSeriesIcon}};
    for (Case& c : cases) {
        c.window->show();
        QListWidget* list = c.window->seriesList();
        ASSERT_EQ(list->count(), int(c.icons.size()));
        for (int row = 0; row < list->count(); ++row) {
            const QIcon expected = c.iconOf(c.icons[size_t(row)]);
            ASSERT_FALSE(expected.isNull());
            EXPECT_EQ(list->item(row)->icon().pixmap(16).toImage(), expected.pixmap(16).toImage())
                << list->item(row)->text().toStdString();
        }
    }
    EXPECT_NE(fans::smokeSeriesIcon(0).pixmap(16).toImage(), fans::generalSeriesIcon(0).pixmap(16).toImage());
}
