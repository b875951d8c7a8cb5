#pragma once

#include "series/SeriesOverview.h"

#include <QWidget>
#include <vector>

class QCustomPlot;
class QCPGraph;
class QCPItemText;
class QCPLayer;
class QListWidget;
class QMdiSubWindow;
class QPushButton;
class QTableWidget;
class QTimer;
namespace ui {
class ChartLabels;
class Program;
} // namespace ui

// A whole fan series in one chart: the user picks a series, the window draws the pressure curves of all
// its fans, each in its colour with a label, and lists the fans with their figures. The current fan is
// drawn in front and blinks while the window is the active one. Clicking a curve chooses its fan;
// clicking a label lets the user move it along the curve, and the place is kept in the catalogue.
// From here the fan's data sheet, the series description and photograph and the printed series open.
class SeriesWindow : public QWidget {
    Q_OBJECT
public:
    ~SeriesWindow() override;

    // Chooses the series of list row `row` as a click in the list does: the overview is read from the
    // catalogue, written to the print table and shown.
    void chooseSeries(int row);
    // Shows an overview in the chart and the grid (no catalogue is read).
    void showSeries(const series::SeriesOverview& overview);
    const series::SeriesOverview& overview() const { return m_overview; }

    // Fan k (from 0) becomes the current one: its grid row is chosen, its curve and label come in front.
    void chooseFan(int k);
    int currentFan() const { return m_current; }
    // Lets the user move the label of fan k with the label dialog; "ОК" keeps the new place in the
    // catalogue. Only where the catalogue can keep it: a smoke-exhaust series offers no dialog, and a
    // click on its label chooses the fan as a click on its curve does.
    void moveLabel(int k);
    bool labelsMovable() const;

    void showDetails(); // "Подробно"
    void showDescription(); // "Описание серии"
    void showPhoto(); // "Фото"
    void print(); // "Печать"

    QCustomPlot* chart() const { return m_chart; }
    QListWidget* seriesList() const { return m_list; }
    QTableWidget* grid() const { return m_grid; }
    QCPGraph* curve(int k) const;
    QCPItemText* label(int k) const;
    bool isBlinking() const;

protected:
    SeriesWindow(ui::Program& program, series::SeriesKind kind, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct FanDrawing {
        QCPGraph* curve = nullptr;
        QCPGraph* labelPoint = nullptr;
        QCPItemText* label = nullptr;
    };

    void buildChart();
    void buildGrid();
    QWidget* buildButtons();
    void fillSeriesList();
    FanDrawing& drawingOf(int k);
    void drawLabel(int k);
    void highlight(bool strong);
    void blink();
    void updateBlinking();
    bool isActiveTask() const;
    void fitAxes();
    void onChartClick(QMouseEvent* event);
    void labelClicked(int k);
    void closeTask();

    ui::Program& m_program;
    series::SeriesKind m_kind;
    std::vector<series::SeriesItem> m_items;
    series::SeriesOverview m_overview;
    QListWidget* m_list = nullptr;
    QCustomPlot* m_chart = nullptr;
    QTableWidget* m_grid = nullptr;
    std::vector<QPushButton*> m_seriesButtons; // enabled once a series is chosen
    std::vector<FanDrawing> m_drawings; // grows with the largest series shown, reused after
    QCPLayer* m_front = nullptr;
    ui::ChartLabels* m_labelPlaces = nullptr; // keeps the labels inside the plot and apart
    QTimer* m_blinkTimer = nullptr;
    QMdiSubWindow* m_frame = nullptr;
    QPointF m_pressPosition;
    int m_current = -1;
    int m_blinkPhase = -1;
    bool m_filling = false;
};

// Group characteristics of the general-ventilation fan series.
class TFormChildUtility final : public SeriesWindow {
    Q_OBJECT
public:
    explicit TFormChildUtility(ui::Program& program, QWidget* parent = nullptr);
};

// Group characteristics of the smoke-exhaust fan series.
class TFormChildUtilitySMK final : public SeriesWindow {
    Q_OBJECT
public:
    explicit TFormChildUtilitySMK(ui::Program& program, QWidget* parent = nullptr);
};
