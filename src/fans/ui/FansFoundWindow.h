#pragma once

#include "fans/FoundFansContent.h"
#include "fans/SelectedFan.h"

#include <QPointF>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QCustomPlot;
class QCPGraph;
class QCPItemText;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
namespace ui {
class ChartLabels;
class Program;
} // namespace ui

// How a fans-found window of one kind of selection looks: its caption, its grid's headings and widths
// (2-pixel columns hold data but stay hidden), its chart's axis titles and its bottom row.
struct FoundFansLook {
    QString caption;
    std::vector<int> columnWidths;
    QStringList headerTop; // the grid's two heading rows
    QStringList headerSecond;
    QString flowAxisTitle;
    QString staticPressureTitle; // left axis of a run by static pressure
    QString totalPressureTitle;
    QString backText; // the button that hides the window
    bool memo = true; // the one-line help beside the buttons
    bool namesGroup = false; // the caption and the help name the kind of fan each run lists
};

// The fans found by the last selection run: their designations, their curves over the duty band with
// the system curve, and one grid row of figures each. Choosing a fan in the list, the grid or by
// clicking its curve marks its operating point; "Подробно" hands the chosen fan to its data sheet.
// One window for the whole program, shared by every selection window; each run hands it its content.
class TFormGrVovazu : public QWidget {
    Q_OBJECT
public:
    // Chart layout: series index of the curve and of the label point of fan c (1-based).
    static constexpr int firstCurveSeries = 4;
    // The chosen fan of a run with speed control at catalogue speed, dashed.
    static constexpr int fullSpeedSeries = 3;
    static constexpr int firstLabelSeries = 34;
    static constexpr int seriesCount = 65; // the last two are the chosen fan's leader lines
    // A run with speed control lists one fan more; its label point goes after the leader lines.
    static constexpr int maxListedFans = 30;
    static constexpr int lastLabelSeries = seriesCount;
    static int labelSeries(int fanNumber);

    TFormGrVovazu(ui::Program& program, QWidget* parent = nullptr);
    ~TFormGrVovazu() override = default;

    // Replaces the content with a run's and shows the window, the list focused and no fan chosen.
    void fill(const fans::FoundFansContent& content);
    // The run shown.
    const fans::SelectionRun& run() const { return m_content.run; }

    // The fan chosen, as its grid row (data rows start at 2, as under the two header rows); 0 for none.
    int gridRow() const;
    QCPGraph* series(int index) const;
    QCPItemText* labelMark(int fanNumber) const;

    // Chooses fan c (1-based) as a click in the grid does; a curve click ends up here too.
    void chooseFan(int fanNumber);
    // "Подробно": the chosen fan (the first when none is chosen) becomes the program's selected fan and
    // goes to its data sheet; a fan of a run with speed control goes there at its duty speed.
    virtual void showDetails();

    // Offers "Модульная система" for the run shown: the button hands the chosen fan (the first when none
    // is chosen) to `chosen`. The next fill() withdraws the offer.
    void offerUnit(std::function<void(const fans::SelectedFan& fan)> chosen);
    bool isUnitOffered() const;
    void chooseForUnit();

Q_SIGNALS:
    // Emitted after "Подробно" has made the fan the program's selected fan.
    void detailsRequested(const fans::SelectedFan& fan);

protected:
    // A fans-found window of another selection, looking as given.
    TFormGrVovazu(ui::Program& program, QWidget* parent, FoundFansLook look);
    void showEvent(QShowEvent* event) override;
    void setHeaderRows(const QStringList& top, const QStringList& second);
    const fans::FoundFansContent& content() const { return m_content; }
    ui::Program& program() const { return m_program; }

private:
    void buildChart();
    void buildGrid();
    void setColumns(const QStringList& top, const QStringList& second, const std::vector<int>& widths);
    void clearChart();
    void fitAxes();
    void drawOperatingPoint(int fanNumber);
    void highlight(int fanNumber);
    void onCurveClicked(QCPGraph* graph);

    ui::Program& m_program;
    FoundFansLook m_look;
    QListWidget* m_list = nullptr;
    QCustomPlot* m_chart = nullptr;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_unitButton = nullptr;
    QLineEdit* m_memo = nullptr;
    std::function<void(const fans::SelectedFan&)> m_unitChosen;
    std::vector<QCPGraph*> m_series;
    std::vector<QCPItemText*> m_labels; // mark of fan c at c − 1
    QCPItemText* m_operatingMark = nullptr;
    ui::ChartLabels* m_labelPlaces = nullptr; // keeps the labels inside the plot and apart
    fans::FoundFansContent m_content;
    QPointF m_pressPosition;
    bool m_choosing = false;
    bool m_ownColumnsReplaced = false;
};
