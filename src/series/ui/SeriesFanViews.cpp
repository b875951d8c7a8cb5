#include "series/ui/SeriesFanViews.h"

#include "fanviews/FanKind.h"
#include "fanviews/FanPictures.h"
#include "fanviews/ui/OctaveTable.h"
#include "ui/Program.h"
#include "ui/SharedWindows.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QString smokeGraphsTitle()
{
    return u"ЗФН: Графики характеристик вентилятора дымоудаления:  "_s;
}

FanSheetReportDesign seriesDesign(const QString& objectName, const QString& dimensionsHeading)
{
    FanSheetReportDesign design;
    design.objectName = objectName;
    design.dimensionsHeading = dimensionsHeading;
    for (int row = 0; row < series::SeriesSheet::rowCount; ++row)
        design.rows.emplace_back(QString(), u"QRLabelValue%1"_s.arg(row));
    return design;
}

} // namespace

TResult_Form_Utility::TResult_Form_Utility(QWidget* parent)
    : FanGraphsWindow(
        Curves::PressureAndPower, u"ЗФН: Графики характеристик канального вентилятора:"_s, parent)
{
    setObjectName(u"Result_Form_Utility"_s);
}

TResult_Form_UtilitySMK::TResult_Form_UtilitySMK(QWidget* parent)
    : FanGraphsWindow(Curves::PressureOnly, u"ЗФН: Графики характеристик канального вентилятора:"_s, parent)
{
    setObjectName(u"Result_Form_UtilitySMK"_s);
}

SeriesSheetReportForm::SeriesSheetReportForm(const FanSheetReportDesign& design, QWidget* parent)
    : FanSheetReportForm(design, parent)
{
}

void SeriesSheetReportForm::fill(const series::SeriesSheet& sheet)
{
    if (sheet.kind == series::SeriesKind::Smoke) {
        report().title = u"ЗФН: Печать характеристик вентилятора дымоудаления:  "_s + sheet.designation;
        setText(u"QRLabel7"_s, u"Характеристики вентилятора дымоудаления"_s);
    } else {
        const fanviews::FanKind kind = fanviews::fanKindOf(sheet.designation);
        report().title = fanviews::printTitlePrefix(kind) + sheet.designation;
        setText(u"QRLabel7"_s, fanviews::printCharacteristicsHeading(kind));
        setText(u"QRLabel37"_s, fanviews::printDimensionsHeading(kind));
    }
    setText(u"QRLabel6"_s, sheet.designation);
    fillRows(sheet.rows);
    fans::SelectedFan fan; // no working point: the catalogue curve alone
    fan.designation = sheet.designation;
    fillChart(sheet.curve, fan, 20, 22, sheet.pressureAxisTitle);
    loadDrawing(fanviews::drawingFileNames(sheet.designation));
}

void SeriesSheetReportForm::print(const series::SeriesSheet& sheet)
{
    printFilled([&] { fill(sheet); });
}

TQRep_vovazu_FORM_Utility::TQRep_vovazu_FORM_Utility(QWidget* parent)
    : SeriesSheetReportForm(
        seriesDesign(u"QRep_vovazu_FORM_Utility"_s, u"Основные размеры канального вентилятора:"_s), parent)
{
}

TQRep_vovazu_FORM_UtilitySMK::TQRep_vovazu_FORM_UtilitySMK(QWidget* parent)
    : SeriesSheetReportForm(
        seriesDesign(u"QRep_vovazu_FORM_UtilitySMK"_s, u"Основные размеры вентилятора дымоудаления:"_s),
        parent)
{
}

SeriesSheetWindow::SeriesSheetWindow(
    ui::Program& program, const QString& caption, const QString& groupCaption, QWidget* parent)
    : FanSheetWindow(program, series::SeriesSheet::rowCount, caption, groupCaption, parent)
{
    if (auto* photo = findChild<QPushButton*>(u"Button5"_s))
        photo->hide();
    resize(640, 360);
}

void SeriesSheetWindow::addOctaveTable()
{
    m_octaves = new OctaveTable;
    addBelowResults(m_octaves);
    resize(640, 520);
}

void SeriesSheetWindow::showSheet(const series::SeriesSheet& sheet)
{
    m_sheet = sheet;
    fans::SelectedFan fan;
    fan.designation = sheet.designation;
    if (sheet.kind == series::SeriesKind::General)
        setWindowTitle(fanviews::sheetTitle(fanviews::fanKindOf(sheet.designation)));
    showRows(fan, sheet.caption, sheet.rows);
    if (m_octaves)
        m_octaves->showLevels(sheet.octaves.value_or(fanviews::SoundPowerLevels {}));
    show();
    raise();
    activateWindow();
}

std::optional<fanviews::FanCurveSet> SeriesSheetWindow::loadCurves() const
{
    if (!fan())
        return std::nullopt;
    fanviews::FanCurveSet curves = m_sheet.curve;
    // A catalogue fan has no working flow of its own: the point opens in the middle of the curve.
    if (curves.pointCount > 0)
        curves.dutyFlow = curves.flowPoints[size_t((curves.pointCount - 1) / 2)];
    return curves;
}

void SeriesSheetWindow::openGraphsOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves)
{
    if (m_sheet.kind == series::SeriesKind::Smoke) {
        program().windows().get<TResult_Form_UtilitySMK>()->open(
            curves, smokeGraphsTitle() + fan.designation);
        return;
    }
    program().windows().get<TResult_Form_Utility>()->open(
        curves, fanviews::graphsTitlePrefix(fanviews::fanKindOf(fan.designation)) + fan.designation);
}

QString SeriesSheetWindow::drawingTitlePrefix() const
{
    if (m_sheet.kind == series::SeriesKind::Smoke)
        return u"ЗФН: Основные размеры вентилятора дымоудаления:  "_s;
    return fanviews::drawingTitlePrefix(fanviews::fanKindOf(m_sheet.designation));
}

void SeriesSheetWindow::printOf(const fans::SelectedFan&, const fanviews::FanCurveSet&)
{
    if (m_sheet.kind == series::SeriesKind::Smoke)
        program().windows().get<TQRep_vovazu_FORM_UtilitySMK>()->print(m_sheet);
    else
        program().windows().get<TQRep_vovazu_FORM_Utility>()->print(m_sheet);
}

TForm_ResImage_Utility::TForm_ResImage_Utility(ui::Program& program, QWidget* parent)
    : SeriesSheetWindow(program, u"ЗФН: Характеристики крышного вентилятора"_s,
        u"Характеристики выбранного вентилятора:  "_s, parent)
{
    setObjectName(u"Form_ResImage_Utility"_s);
    addOctaveTable();
}

TForm_ResImage_UtilitySMK::TForm_ResImage_UtilitySMK(ui::Program& program, QWidget* parent)
    : SeriesSheetWindow(program, u"ЗФН: Характеристики вентилятора дымоудаления"_s,
        u" Характеристики выбранного вентилятора дымоудаления: "_s, parent)
{
    setObjectName(u"Form_ResImage_UtilitySMK"_s);
}
