#include "app/ProgramContext.h"
#include "app/SharedWindowList.h"
#include "common/NumberText.h"
#include "fans/DutySpeedFan.h"
#include "fans/FanDesignation.h"
#include "fans/GeneralSelection.h"
#include "fans/SelectionResultTables.h"
#include "fans/SpeedControlledContent.h"
#include "fans/ui/FansFoundWindow.h"
#include "fanviews/ui/FanGraphsWindow.h"
#include "fanviews/ui/FanSheetReportForm.h"
#include "fanviews/ui/FanSheetWindow.h"
#include "fanviews/ui/TForm_Razmer.h"
#include "support/ChartLabelBoxes.h"
#include "support/WindowTesting.h"
#include "ui/Messages.h"
#include "ui/SharedWindows.h"
#include "ui/SpinEditWidget.h"
#include "ui/report/CustomPlot.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

using namespace Qt::StringLiterals;

namespace {

// A falling pressure curve over flows 1000 … 3500 in steps of 500, powers rising from 0.5 kW.
fanviews::FanCurveSet sixPoints(double dutyFlow)
{
    fanviews::FanCurveSet set;
    set.pointCount = 6;
    for (int i = 0; i < 6; ++i) {
        set.flowPoints[size_t(i)] = 1000 + 500 * i;
        set.pressurePoints[size_t(i)] = 800 - 0.0002 * (500 * i) * (500 * i);
        set.powerPoints[size_t(i)] = 0.5 + 0.1 * i;
    }
    set.dutyFlow = dutyFlow;
    return set;
}

// A fan listed at the given operating point, without a record of the catalogue.
fans::SelectedFan selectedFan(const QString& designation, double flow, double pressure, bool roofRun)
{
    fans::SelectedFan fan {designation, flow, pressure, flow, pressure - 2, roofRun, {}};
    fan.listed.found.operatingFlow = flow;
    fan.listed.found.operatingPressure = pressure;
    return fan;
}

fans::SmokeSelectionRun smokeRun(double flow, double pressure, const QString& temperature)
{
    fans::SmokeSelectionRun run;
    run.requiredFlow = flow;
    run.requiredPressure = pressure;
    run.roofRun = true;
    run.gasTemperatureText = temperature;
    return run;
}

class FanViewWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerSharedWindows(program.windows());
        ui::setMessageSink([this](const QString& text, ui::MessageKind) { messages << text; });
    }
    void TearDown() override { ui::setMessageSink({}); }

    template <typename Window> Window* shared() { return program.windows().get<Window>(); }
    QPushButton* button(QWidget* window, const QString& name)
    {
        return window->findChild<QPushButton*>(name);
    }

    ProgramContext program;
    QStringList messages;
};

} // namespace

TEST_F(FanViewWindows, StepButtonsMoveTheWorkingPointByTheStep)
{
    auto* graphs = shared<TResult_Form>();
    graphs->open(sixPoints(1000), u"ЗФН: Графики характеристик канального вентилятора:  X 1-2-3"_s);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graphs));
    auto* flow = graphs->findChild<QLineEdit*>(u"Input_RT"_s);
    ASSERT_TRUE(flow);
    EXPECT_EQ(flow->text(), u"1000"_s);
    EXPECT_EQ(graphs->pressureCurve()->dataCount(), 100) << "20 steps in each of 5 intervals";
    EXPECT_EQ(graphs->pressurePoint()->dataCount(), 1) << "the first tabulated flow has a point";

    struct Step {
        const char16_t* button;
        QString field;
        bool drawn;
    };
    const Step steps[] = {
        {u"Butt_RAITH", u"1050"_s, true}, {u"Butt_RAITH", u"1100"_s, true}, {u"Butt_LEFT", u"1050"_s, true},
        {u"Butt_LEFT", u"1000"_s, true},
        {u"Butt_LEFT", u"950"_s, false}, // below the curve: no point, the field keeps the flow
    };
    for (const Step& step : steps) {
        QTest::mouseClick(button(graphs, QString::fromUtf16(step.button)), Qt::LeftButton);
        EXPECT_EQ(flow->text(), step.field);
        ASSERT_EQ(graphs->pressurePoint()->dataCount(), step.drawn ? 1 : 0) << step.field.toStdString();
        ASSERT_EQ(graphs->powerPoint()->dataCount(), step.drawn ? 1 : 0);
        if (step.drawn) {
            EXPECT_EQ(graphs->pressurePoint()->data()->at(0)->key, step.field.toDouble());
            const double pressure = graphs->pressurePoint()->data()->at(0)->value;
            EXPECT_EQ(pressure, std::round(pressure));
            EXPECT_EQ(graphs->pressureMark(), QString::number(pressure));
            EXPECT_FALSE(graphs->powerMark().isEmpty());
        }
    }

    // A typed flow is fixed by "( | )"; the end of the curve has no point.
    flow->setText(u"3500"_s);
    QTest::mouseClick(button(graphs, u"Button3"_s), Qt::LeftButton);
    EXPECT_EQ(graphs->pressurePoint()->dataCount(), 0);
    EXPECT_TRUE(graphs->pressureMark().isEmpty());
    flow->setText(u"2000"_s);
    QTest::mouseClick(button(graphs, u"Button3"_s), Qt::LeftButton);
    ASSERT_EQ(graphs->pressurePoint()->dataCount(), 1);
    EXPECT_EQ(graphs->pressurePoint()->data()->at(0)->value, 800 - 0.0002 * 1000 * 1000);
    EXPECT_NEAR(graphs->powerPoint()->data()->at(0)->value, 0.7, 1e-12);

    // A step that is not a number stops with its message and moves nothing.
    auto* stepField = graphs->findChild<SpinEditWidget*>(u"Input_INC_DEC"_s);
    ASSERT_TRUE(stepField);
    stepField->setText(u"шаг"_s);
    QTest::mouseClick(button(graphs, u"Butt_RAITH"_s), Qt::LeftButton);
    EXPECT_EQ(messages, QStringList {u"Ошибочная запись числа: шаг"_s});
    EXPECT_EQ(flow->text(), u"2000"_s);
    graphs->close();
}

// Where the curves cross, the two working points stand close together: neither value mark covers the
// other working point, and a mark that has no room elsewhere is drawn over the point, its figures readable.
TEST_F(FanViewWindows, WorkingPointsAndTheirMarksStayInSight)
{
    auto* graphs = shared<TResult_Form>();
    graphs->resize(900, 600);
    int close = 0;
    for (double flow = 1000; flow < 3500; flow += 25) {
        graphs->open(sixPoints(flow), u"ЗФН: Графики характеристик канального вентилятора:  X 1-2-3"_s);
        QCustomPlot* chart = graphs->chart();
        const QImage picture = chart->toPixmap().toImage();
        if (graphs->powerPoint()->dataCount() != 1)
            continue;
        std::map<QString, const QCPItemText*> marks;
        for (int i = 0; i < chart->itemCount(); ++i) {
            if (auto* text = qobject_cast<QCPItemText*>(chart->item(i)); text && text->visible())
                marks[text->text()] = text;
        }
        const QCPItemText* pressureMark = marks[graphs->pressureMark()];
        const QCPItemText* powerMark = marks[graphs->powerMark()];
        ASSERT_TRUE(pressureMark && powerMark) << flow;
        auto marker = [](QCPGraph* point) {
            const QPointF centre
                = point->coordsToPixels(point->data()->at(0)->key, point->data()->at(0)->value);
            const double size = point->scatterStyle().size();
            return QRectF(centre - QPointF(size / 2, size / 2), QSizeF(size, size));
        };
        const QRectF pressurePoint = marker(graphs->pressurePoint());
        const QRectF powerPoint = marker(graphs->powerPoint());
        if (QLineF(pressurePoint.center(), powerPoint.center()).length() > 30)
            continue;
        ++close;
        EXPECT_FALSE(labelBox(pressureMark).intersects(powerPoint)) << flow;
        EXPECT_FALSE(labelBox(powerMark).intersects(pressurePoint)) << flow;
        // The points' red fill shows nowhere inside a mark's frame.
        for (const QCPItemText* mark : {pressureMark, powerMark}) {
            const QRect box = labelBox(mark).toRect().adjusted(2, 2, -2, -2);
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x)
                    ASSERT_NE(picture.pixelColor(x, y), QColor(Qt::red)) << flow << " at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(close, 0) << "no flow brings the working points together";
    graphs->close();
}

TEST_F(FanViewWindows, SmokeGraphsHaveNoPowerCurve)
{
    auto* graphs = shared<TResult_FormSMK>();
    graphs->open(sixPoints(1500), u"ЗФН: Графики характеристик вентилятора дымоудаления:  X 5ДУ-4"_s);
    EXPECT_EQ(graphs->powerCurve(), nullptr);
    EXPECT_EQ(graphs->powerPoint(), nullptr);
    EXPECT_EQ(graphs->chart()->graphCount(), 2);
    EXPECT_EQ(graphs->pressurePoint()->dataCount(), 1);
    EXPECT_EQ(graphs->chart()->yAxis2->label(), u"Мощность,N кВт"_s);
    graphs->close();
}

TEST_F(FanViewWindows, DetailsFillTheSheetAndItsViews)
{
    fans::SelectionRequest request;
    request.flow = 5000;
    request.pressure = 500;
    for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries()) {
        if (entry.group == fans::FanGroup::Duct)
            request.series.push_back({entry.name, entry.icon == fans::RoundDuctIcon});
    }
    for (const QString& d : fans::FanCatalogue::diameterTexts(fans::CatalogueKind::General))
        request.diameters.push_back({d, true});
    for (const fans::DuctSizeEntry& size : fans::FanCatalogue::ductSizes())
        request.sizes.push_back({size.text, true});
    const fans::GeneralSelection run = fans::runGeneralSelection(request);
    ASSERT_EQ(run.outcome.status, fans::SelectionOutcome::Status::Listed);
    auto* found = shared<TFormGrVovazu>();
    found->fill(fans::foundFansContentOf(run.outcome, request, QLatin1Char('.')));
    found->chooseFan(2);
    QTest::mouseClick(button(found, u"Button2"_s), Qt::LeftButton);

    auto* sheet = shared<TForm_ResImage>();
    ASSERT_TRUE(sheet->isVisible());
    ASSERT_TRUE(sheet->fan());
    const QString designation = sheet->fan()->designation;
    EXPECT_EQ(sheet->findChild<QGroupBox*>(u"GroupBox_Res"_s)->title(),
        u"Характеристики выбранного канального вентилятора:  "_s + designation);
    EXPECT_EQ(sheet->windowTitle(), u"ЗФН: Характеристики канального вентилятора"_s);
    QTableWidget* rows = sheet->resultsGrid();
    EXPECT_EQ(rows->rowCount(), 14);
    EXPECT_EQ(rows->item(0, 0)->text(), u"Расход воздуха - Qв, м3/час"_s);
    EXPECT_EQ(rows->item(0, 1)->text().toDouble(), sheet->fan()->flow);
    const double inlet = rows->item(7, 1)->text().toDouble();
    ASSERT_GT(inlet, 0);
    EXPECT_EQ(sheet->octaveGrid()->item(1, 4)->text().toDouble(), inlet) << "500 Hz carries no correction";

    // The graphs draw the curve the run used, whatever has become of the run's tables since.
    fans::SelectionResultTables::create(fans::CatalogueKind::General);
    QTest::mouseClick(button(sheet, u"Button4"_s), Qt::LeftButton);
    auto* graphs = shared<TResult_Form>();
    EXPECT_TRUE(graphs->isVisible());
    EXPECT_TRUE(graphs->windowTitle().contains(designation));
    const fans::FoundFan& chosen = run.outcome.fans[1];
    ASSERT_EQ(graphs->curves().pointCount, chosen.curve.n);
    for (int i = 0; i < chosen.curve.n; ++i) {
        EXPECT_EQ(graphs->curves().flowPoints[size_t(i)], chosen.record->flow(i));
        EXPECT_EQ(graphs->curves().pressurePoints[size_t(i)], chosen.record->pressure(i));
    }
    EXPECT_GT(graphs->pressureCurve()->dataCount(), 0);
    EXPECT_EQ(graphs->curves().dutyFlow, sheet->fan()->flow);
    EXPECT_EQ(graphs->pressurePoint()->dataCount(), 1) << "the fan's own flow lies on its curve";
    graphs->close();

    QTest::mouseClick(button(sheet, u"Button3"_s), Qt::LeftButton);
    auto* drawing = shared<TForm_Razmer>();
    EXPECT_TRUE(drawing->isVisible());
    EXPECT_TRUE(drawing->hasPicture()) << "every bundled fan has its drawing";
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    drawing->close();

    auto* printed = shared<TQRep_vovazu_FORM>();
    printed->fill(*sheet->fan(), fans::fanSheetValuesOf(*sheet->fan(), QLatin1Char('.')), graphs->curves());
    EXPECT_EQ(printed->labelText(u"QRLabel6"_s), designation);
    EXPECT_EQ(printed->labelText(u"QRLabel23"_s), rows->item(0, 1)->text());
    EXPECT_EQ(printed->labelText(u"QRLabel12"_s), u"5000"_s);
    EXPECT_EQ(
        printed->report().title, u"ЗФН: Печать характеристик канального вентилятора:  "_s + designation);
    EXPECT_TRUE(printed->hasDrawing());
    EXPECT_EQ(printed->chart()->graph(1)->dataCount(), 22) << "system curve to 1.05 of the fan's flow";
}

// "Подробно" of a run with speed control: the sheet, its graphs and its print show the fan at its duty
// speed (its curves scaled by the fan laws, the working point at the duty) and say that speed.
TEST_F(FanViewWindows, SpeedControlledFanAtItsDutySpeed)
{
    fans::SelectionRequest request;
    request.flow = 2000;
    request.pressure = 200;
    for (const fans::SeriesEntry& entry : fans::FanCatalogue::generalSeries()) {
        if (entry.group == fans::FanGroup::Duct)
            request.series.push_back({entry.name, entry.icon == fans::RoundDuctIcon});
    }
    const fans::SpeedControlledRun run = fans::runSpeedControlledSelection(request, 30);
    ASSERT_GE(run.outcome.fans.size(), 3u);
    auto* found = shared<TFormGrVovazu>();
    found->fill(fans::speedControlledContentOf(run.outcome, request, QLatin1Char('.')));
    found->chooseFan(3);
    QTest::mouseClick(button(found, u"Button2"_s), Qt::LeftButton);
    const fans::SpeedControlledFan& chosen = run.outcome.fans[2];
    const double r = chosen.speedRatio;
    ASSERT_LT(r, 0.99);
    const QChar separator = systemDecimalSeparator();

    auto* sheet = shared<TForm_ResImage>();
    ASSERT_TRUE(sheet->isVisible());
    ASSERT_TRUE(sheet->fan());
    EXPECT_EQ(sheet->fan()->designation, fans::generalDesignation(*chosen.record).trimmed());
    QTableWidget* rows = sheet->resultsGrid();
    EXPECT_EQ(rows->item(0, 1)->text(), u"2000"_s);
    EXPECT_EQ(rows->item(1, 1)->text(), u"200"_s);
    const QString speed = rows->item(3, 1)->text();
    EXPECT_EQ(speed, fans::dutySpeedText(*chosen.record, r, separator));
    EXPECT_TRUE(speed.startsWith(integerText(*chosen.speed) + u" ("_s)) << speed.toStdString();

    QTest::mouseClick(button(sheet, u"Button4"_s), Qt::LeftButton);
    auto* graphs = shared<TResult_Form>();
    EXPECT_TRUE(graphs->isVisible());
    EXPECT_TRUE(graphs->windowTitle().contains(
        sheet->fan()->designation + u"  при n = "_s + integerText(*chosen.speed) + u" об/мин ("_s))
        << graphs->windowTitle().toStdString();
    const fanviews::FanCurveSet& curves = graphs->curves();
    ASSERT_EQ(curves.pointCount, chosen.curve.n);
    for (int i = 0; i < chosen.curve.n; ++i) {
        EXPECT_DOUBLE_EQ(curves.flowPoints[size_t(i)], chosen.curve.x[size_t(i)] * r);
        EXPECT_DOUBLE_EQ(curves.pressurePoints[size_t(i)], chosen.curve.y[size_t(i)] * r * r);
        EXPECT_DOUBLE_EQ(curves.powerPoints[size_t(i)], chosen.curve.w[size_t(i)] * r * r * r);
    }
    EXPECT_EQ(curves.dutyFlow, 2000);
    ASSERT_EQ(graphs->pressurePoint()->dataCount(), 1);
    EXPECT_EQ(graphs->pressurePoint()->data()->at(0)->key, 2000);
    EXPECT_EQ(graphs->pressurePoint()->data()->at(0)->value, 200);
    EXPECT_EQ(graphs->pressureMark(), u"200"_s);
    ASSERT_EQ(graphs->powerPoint()->dataCount(), 1);
    EXPECT_NEAR(graphs->powerPoint()->data()->at(0)->value, *chosen.power, 1e-9 * *chosen.power);
    graphs->close();

    auto* printed = shared<TQRep_vovazu_FORM>();
    EXPECT_GT(windowtesting::previewedPages(
                  printed->report(), [&] { QTest::mouseClick(button(sheet, u"Button2"_s), Qt::LeftButton); }),
        0);
    EXPECT_EQ(printed->labelText(u"QRLabel26"_s), speed);
    EXPECT_EQ(printed->labelText(u"QRLabel23"_s), u"2000"_s);
    EXPECT_EQ(printed->labelText(u"QRLabel24"_s), u"200"_s);
    EXPECT_EQ(printed->labelText(u"QRLabel12"_s), u"2000"_s);
    EXPECT_EQ(printed->labelText(u"QRLabel15"_s), u"200"_s);
    const QCPGraph* working = printed->chart()->graph(2);
    ASSERT_EQ(working->dataCount(), 1);
    EXPECT_EQ(working->data()->at(0)->key, 2000);
    EXPECT_EQ(working->data()->at(0)->value, 200);
    // The printed pressure curve is the one at the duty speed: it starts a twentieth into its first
    // scaled interval.
    const QCPGraph* pressure = printed->chart()->graph(0);
    ASSERT_GT(pressure->dataCount(), 0);
    EXPECT_NEAR(pressure->data()->at(0)->key,
        r * (chosen.curve.x[0] + (chosen.curve.x[1] - chosen.curve.x[0]) / 20), 1e-6);
    sheet->close();
}

TEST_F(FanViewWindows, GeneralAndSmokeSheetsKeepTheirOwnFans)
{
    const fans::SelectedFan general = selectedFan(u"ВКК-СКАТ 2,5-4-3"_s, 1000, 442, false);
    const fans::SelectedFan smoke = selectedFan(u"КДУ-ГЭСТ 3,55ДУ-4"_s, 1500, 320, true);
    auto* generalSheet = shared<TForm_ResImage>();
    auto* smokeSheet = shared<TForm_ResImageSMK>();
    generalSheet->showFan(general);
    smokeSheet->showFan(
        smoke, fans::smokeSheetValuesOf(smoke, smokeRun(1500, 300, u"20"_s), QLatin1Char('.')));
    EXPECT_TRUE(generalSheet->isVisible());
    EXPECT_TRUE(smokeSheet->isVisible());
    EXPECT_EQ(generalSheet->fan()->designation, general.designation);
    EXPECT_EQ(smokeSheet->fan()->designation, smoke.designation);
    EXPECT_EQ(smokeSheet->resultsGrid()->rowCount(), 11);
    EXPECT_EQ(smokeSheet->findChild<QTableWidget*>(u"StringGrid_Lpi"_s), nullptr);
    EXPECT_EQ(generalSheet->resultsGrid()->item(0, 1)->text(), u"1000"_s);
    EXPECT_EQ(smokeSheet->resultsGrid()->item(0, 1)->text(), u"1500"_s);

    // The general sheet's title follows the kind of the fan it shows.
    EXPECT_EQ(generalSheet->windowTitle(), u"ЗФН: Характеристики канального вентилятора"_s);
    generalSheet->showFan(selectedFan(u"ВКР-ГЭСТ 4-4-3"_s, 1000, 442, true));
    EXPECT_EQ(generalSheet->windowTitle(), u"ЗФН: Характеристики крышного вентилятора"_s);
    generalSheet->showFan(general);

    // Each sheet's photo and drawing are its own fan's.
    QStringList photos;
    for (FanSheetWindow* sheet : std::initializer_list<FanSheetWindow*> {generalSheet, smokeSheet}) {
        sheet->setPhotoViewer([&photos](const QString& title, const QString& file) {
            photos << title + u"|"_s + file;
            return false;
        });
        QTest::mouseClick(button(sheet, u"Button5"_s), Qt::LeftButton);
    }
    EXPECT_EQ(photos,
        (QStringList {u"ЗФН: Фотография серии: ВКК-СКАТ|ВКК-СКАТ.bmp"_s,
            u"ЗФН: Фотография серии: КДУ-ГЭСТ|КДУ-ГЭСТ.bmp"_s}));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(
        messages.value(0), u"Не найден файл:  ВКК-СКАТ.bmp   в каталоге из которого запущена программа"_s);

    QTest::mouseClick(button(smokeSheet, u"Button3"_s), Qt::LeftButton);
    auto* drawing = shared<TForm_Razmer>();
    EXPECT_EQ(drawing->pictureName(), smoke.designation);
    EXPECT_EQ(
        drawing->windowTitle(), u"ЗФН: Основные размеры вентилятора дымоудаления:  "_s + smoke.designation);
    QTest::mouseClick(button(generalSheet, u"Button3"_s), Qt::LeftButton);
    EXPECT_EQ(drawing->pictureName(), general.designation);
    generalSheet->close();
    smokeSheet->close();
    drawing->close();
}

TEST_F(FanViewWindows, MissingDrawingIsReportedAndNoOtherFansDrawingShown)
{
    auto* drawing = shared<TForm_Razmer>();
    drawing->showDrawing(
        u"ЗФН: Основные размеры канального вентилятора:  ВКК-СКАТ 2,5-4-3"_s, u"ВКК-СКАТ 2,5-4-3"_s);
    ASSERT_TRUE(drawing->hasPicture());
    drawing->showDrawing(u"ЗФН: Основные размеры канального вентилятора:  НЕТ 1-2-3"_s, u"НЕТ 1-2-3"_s);
    const QString missing = u"Не найден файл:  НЕТ 1-2-3.bmp   в каталоге из которого запущена программа"_s;
    EXPECT_EQ(messages, QStringList {missing});
    EXPECT_FALSE(drawing->hasPicture()) << "the previous fan's drawing under this fan's title";
    auto* picture = drawing->findChild<QLabel*>(u"ImageRes"_s);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->text(), missing);

    // The next fan with a drawing shows it again.
    drawing->showDrawing(
        u"ЗФН: Основные размеры канального вентилятора:  ВКК-СКАТ 2,5-4-3"_s, u"ВКК-СКАТ 2,5-4-3"_s);
    EXPECT_TRUE(drawing->hasPicture());
    drawing->close();
}

TEST_F(FanViewWindows, SmokeSheetPrintsThroughThePreview)
{
    // A smoke-exhaust run listed a fan of the bundled catalogue.
    const FanRecord record = fans::FanCatalogue::records(fans::CatalogueKind::Smoke)->at(0);
    const double flow = record.flow(2);
    const double pressure = std::round(record.pressure(2));
    fans::SelectedFan fan = selectedFan(fans::smokeDesignation(record).trimmed(), flow, pressure, true);
    fan.listed.record = record;
    fan.listed.found.curve = *fans::FanCurve::fromRecord(record);
    const QString designation = fan.designation;
    fans::SmokeSelectionRun run = smokeRun(flow, pressure - 20, u"300"_s);
    run.fireClass = fans::FireClass::C600;
    auto* sheet = shared<TForm_ResImageSMK>();
    sheet->showFan(fan, fans::smokeSheetValuesOf(fan, run, QLatin1Char('.')));

    auto* form = shared<TQRep_vovazu_FORMSMK>();
    EXPECT_GT(windowtesting::previewedPages(
                  form->report(), [&] { QTest::mouseClick(button(sheet, u"Button2"_s), Qt::LeftButton); }),
        0);

    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->report().title, u"ЗФН: Печать характеристик вентилятора дымоудаления:  "_s + designation);
    EXPECT_EQ(form->labelText(u"QRLabel11"_s), u"300"_s);
    EXPECT_EQ(form->labelText(u"QRLabel24"_s), QString::number(pressure));
    EXPECT_TRUE(form->labelText(u"QRLabel20"_s).isEmpty()) << "no price is printed";
    EXPECT_TRUE(form->labelText(u"QRLabel36"_s).isEmpty());
    EXPECT_TRUE(form->hasDrawing());
    const QCPGraph* system = form->chart()->graph(1);
    ASSERT_EQ(system->dataCount(), 32);
    EXPECT_DOUBLE_EQ(system->data()->at(31)->key, flow * 31 / 30);
    EXPECT_GT(form->chart()->graph(0)->dataCount(), 0) << "the fan's curve as the run used it";
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'\n').toStdString();
    sheet->close();
}

// Where the power point lies on the pressure point (the power axis scaled to bring them together), the two
// value marks of the working point still stand apart and inside the plot, at the first flow too.
TEST_F(FanViewWindows, WorkingPointMarksStayInsideThePlotAndApart)
{
    auto* graphs = shared<TResult_Form>();
    graphs->open(sixPoints(2000), u"ЗФН: Графики характеристик канального вентилятора:  X 1-2-3"_s);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(graphs));
    QCustomPlot* chart = graphs->chart();
    auto markWithText = [chart](const QString& text) -> const QCPItemText* {
        for (int i = 0; i < chart->itemCount(); ++i) {
            const auto* mark = qobject_cast<QCPItemText*>(chart->item(i));
            if (mark && mark->visible() && mark->text() == text)
                return mark;
        }
        return nullptr;
    };
    for (double flow : {1000.0, 2000.0, 2800.0}) {
        SCOPED_TRACE(flow);
        graphs->placeWorkingPoint(flow);
        const double pressure = graphs->pressurePoint()->data()->at(0)->value;
        const double power = graphs->powerPoint()->data()->at(0)->value;
        const double scale = power / pressure;
        chart->yAxis2->setRange(chart->yAxis->range().lower * scale, chart->yAxis->range().upper * scale);
        chart->replot();
        ASSERT_NEAR(chart->yAxis2->coordToPixel(power), chart->yAxis->coordToPixel(pressure), 1);
        const QCPItemText* pressureMark = markWithText(graphs->pressureMark());
        const QCPItemText* powerMark = markWithText(graphs->powerMark());
        ASSERT_TRUE(pressureMark && powerMark);
        EXPECT_EQ(misplacedLabels(chart, {pressureMark, powerMark}), std::vector<std::string> {});
    }
    graphs->close();
}
