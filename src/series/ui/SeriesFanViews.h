#pragma once

#include "fanviews/ui/FanGraphsWindow.h"
#include "fanviews/ui/FanSheetReportForm.h"
#include "fanviews/ui/FanSheetWindow.h"
#include "series/SeriesSheet.h"

// The fan views of the series overview: the data sheet, the characteristic graphs and the printed sheet
// of a catalogue fan, as those of a selected fan but without a working point chosen by a selection.

// The graphs of a general-ventilation fan of a series.
class TResult_Form_Utility final : public FanGraphsWindow {
    Q_OBJECT
public:
    explicit TResult_Form_Utility(QWidget* parent = nullptr);
};

// The graphs of a smoke-exhaust fan of a series: the pressure curve only.
class TResult_Form_UtilitySMK final : public FanGraphsWindow {
    Q_OBJECT
public:
    explicit TResult_Form_UtilitySMK(QWidget* parent = nullptr);
};

// The printed sheet of a fan of a series: its figures and its pressure curve.
class SeriesSheetReportForm : public FanSheetReportForm {
    Q_OBJECT
public:
    // Fills the form and runs its preview; returns when the preview is closed.
    void print(const series::SeriesSheet& sheet);
    void fill(const series::SeriesSheet& sheet);

protected:
    explicit SeriesSheetReportForm(const FanSheetReportDesign& design, QWidget* parent);
};

class TQRep_vovazu_FORM_Utility final : public SeriesSheetReportForm {
    Q_OBJECT
public:
    explicit TQRep_vovazu_FORM_Utility(QWidget* parent = nullptr);
};

class TQRep_vovazu_FORM_UtilitySMK final : public SeriesSheetReportForm {
    Q_OBJECT
public:
    explicit TQRep_vovazu_FORM_UtilitySMK(QWidget* parent = nullptr);
};

// The data sheet of a fan of a series. Its curves come from the catalogue record of the fan; there is no
// photograph button (the series window has its own) and Esc does not close it.
class SeriesSheetWindow : public FanSheetWindow {
    Q_OBJECT
public:
    // "Подробно" of the series window: the fan's figures; the sheet is shown.
    void showSheet(const series::SeriesSheet& sheet);
    const series::SeriesSheet& sheet() const { return m_sheet; }

    // The octave table of a general series' sheet; none on a smoke-exhaust sheet.
    class OctaveTable* octaveTable() const { return m_octaves; }

protected:
    SeriesSheetWindow(
        ui::Program& program, const QString& caption, const QString& groupCaption, QWidget* parent);
    void addOctaveTable();

    std::optional<fanviews::FanCurveSet> loadCurves() const override;
    void openGraphsOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) override;
    QString drawingTitlePrefix() const override;
    void printOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) override;

private:
    series::SeriesSheet m_sheet;
    class OctaveTable* m_octaves = nullptr;
};

class TForm_ResImage_Utility final : public SeriesSheetWindow {
    Q_OBJECT
public:
    explicit TForm_ResImage_Utility(ui::Program& program, QWidget* parent = nullptr);
};

class TForm_ResImage_UtilitySMK final : public SeriesSheetWindow {
    Q_OBJECT
public:
    explicit TForm_ResImage_UtilitySMK(ui::Program& program, QWidget* parent = nullptr);
};
