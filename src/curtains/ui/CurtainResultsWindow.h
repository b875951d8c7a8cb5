#pragma once

#include "curtains/CurtainCalc.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QCustomPlot;
class QTableWidget;
namespace ui {
class Program;
class SharedWindows;
} // namespace ui

// The results window of a curtain series, shared by all its task windows (the last calculation wins): the
// results grid, the path of the jet and, for ОРК and ТЕМ, the size index box that recomputes the curtain
// with another index. "Печать" fills the series' printed form and previews it.
class CurtainResultsWindow : public QDialog {
    Q_OBJECT
public:
    curtains::Series series() const { return m_series; }

    // Shows a calculated curtain (and the window, when hidden) and fills the printed form's chart.
    void showRun(const QString& projectName, const curtains::CurtainRun& run);
    const std::optional<curtains::CurtainRun>& run() const { return m_run; }

    QString cellText(int row, int column) const;
    QTableWidget* grid() const { return m_grid; }
    QCustomPlot* chart() const { return m_chart; }
    QComboBox* indexBox() const { return m_index; }

public Q_SLOTS:
    // Recomputes with the index text of the box; an index that is not in the table is refused and the
    // results stay as they were.
    void changeIndex();
    void print();

protected:
    CurtainResultsWindow(ui::Program& program, curtains::Series series, QWidget* parent);
    void showEvent(QShowEvent* event) override;

private:
    void fillGrid();

    ui::Program& m_program;
    curtains::Series m_series;
    QTableWidget* m_grid = nullptr;
    QCustomPlot* m_chart = nullptr;
    QComboBox* m_index = nullptr;
    QString m_projectName;
    std::optional<curtains::CurtainRun> m_run;
};

class TFormVozdZavesaResORK : public CurtainResultsWindow {
    Q_OBJECT
public:
    explicit TFormVozdZavesaResORK(ui::Program& program, QWidget* parent = nullptr);
};

class TFormVozdZavesaResTEM : public CurtainResultsWindow {
    Q_OBJECT
public:
    explicit TFormVozdZavesaResTEM(ui::Program& program, QWidget* parent = nullptr);
};

class TFormVozdZavesaResPLN : public CurtainResultsWindow {
    Q_OBJECT
public:
    explicit TFormVozdZavesaResPLN(ui::Program& program, QWidget* parent = nullptr);
};

// The shared results window of a series.
CurtainResultsWindow* curtainResultsWindow(ui::SharedWindows& windows, curtains::Series series);
