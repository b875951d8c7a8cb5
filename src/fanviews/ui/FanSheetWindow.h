#pragma once

#include "fans/SelectedFan.h"
#include "fans/SmokeSheet.h"
#include "fanviews/FanCurveSet.h"

#include <QWidget>
#include <functional>
#include <optional>

class QGroupBox;
class QTableWidget;
namespace ui {
class Program;
}

// The data sheet of the fan chosen in a fans-found window: its figures at the working point, and from
// there its characteristic graphs, dimension drawing, series photograph and printed sheet. The general
// and the smoke-exhaust sheets each keep their own fan, so both can be open side by side.
class FanSheetWindow : public QWidget {
    Q_OBJECT
public:
    // Shows a series photograph: sets the title, shows the photo window and loads the file from the
    // program folder; false when the file could not be loaded. The program connects its photo window.
    using PhotoViewer = std::function<bool(const QString& title, const QString& fileName)>;
    void setPhotoViewer(PhotoViewer viewer) { m_photoViewer = std::move(viewer); }

    const std::optional<fans::SelectedFan>& fan() const { return m_fan; }
    QTableWidget* resultsGrid() const { return m_results; }

    void openGraphs(); // "> Графики характеристик <"
    void openDrawing(); // "> Чертежи <"
    void openPhoto(); // "Фото"
    void print(); // "Печать"

protected:
    FanSheetWindow(
        ui::Program& program, int rows, const QString& caption, const QString& groupCaption, QWidget* parent);

    // Fills the group caption and the rows, keeps the fan and shows the sheet.
    void showRows(const fans::SelectedFan& fan, const QString& caption,
        const std::vector<std::pair<QString, QString>>& rows);
    // The fan's curves as its run used them, at its working flow; nothing without a fan.
    // A sheet of catalogue fans takes them from the catalogue instead.
    virtual std::optional<fanviews::FanCurveSet> loadCurves() const;
    QGroupBox* resultsGroup() const { return m_group; }
    ui::Program& program() const { return m_program; }
    // Where the sheet puts what is below its results (the octave table of general fans).
    void addBelowResults(QWidget* widget);

    virtual void openGraphsOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) = 0;
    virtual QString drawingTitlePrefix() const = 0;
    virtual void printOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) = 0;

private:
    ui::Program& m_program;
    std::optional<fans::SelectedFan> m_fan;
    PhotoViewer m_photoViewer;
    QGroupBox* m_group = nullptr;
    QTableWidget* m_results = nullptr;
    class QVBoxLayout* m_layout = nullptr;
};

// The data sheet of a general-ventilation fan, with the octave spectra of its noise levels.
class TForm_ResImage final : public FanSheetWindow {
    Q_OBJECT
public:
    TForm_ResImage(ui::Program& program, QWidget* parent = nullptr);

    // "Подробно" of the fans-found window: the chosen fan's figures; the sheet is shown.
    void showFan(const fans::SelectedFan& fan);
    QTableWidget* octaveGrid() const;

protected:
    void showEvent(QShowEvent* event) override;
    void openGraphsOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) override;
    QString drawingTitlePrefix() const override;
    void printOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) override;

private:
    void fillOctaves();

    class OctaveTable* m_octaves = nullptr;
    fans::FanSheetValues m_values;
};

// The data sheet of a smoke-exhaust fan: eleven rows, no octave table.
class TForm_ResImageSMK final : public FanSheetWindow {
    Q_OBJECT
public:
    TForm_ResImageSMK(ui::Program& program, QWidget* parent = nullptr);

    // "Подробно" of the smoke-exhaust fans-found window.
    void showFan(const fans::SelectedFan& fan, const fans::SmokeSheetValues& values);

protected:
    void openGraphsOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) override;
    QString drawingTitlePrefix() const override;
    void printOf(const fans::SelectedFan& fan, const fanviews::FanCurveSet& curves) override;

private:
    fans::SmokeSheetValues m_values;
};
