#pragma once

#include "unit/UnitHandover.h"
#include "unit/UnitScheme.h"

#include <QListWidget>
#include <QWidget>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class SchemeStrip;
namespace ui {
class Program;
}

// The list of the scheme: its lines may be dragged onto each other; only its own lines are accepted.
class SchemeList : public QListWidget {
    Q_OBJECT
public:
    explicit SchemeList(QWidget* parent = nullptr);

Q_SIGNALS:
    // A line dragged onto line `onto` (−1: below the last line).
    void lineDropped(int from, int onto);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// The arrangement scheme of an assembled unit: its pieces in their order along the air path as a list and
// as a strip of pictures with each piece's length, reordered by drag and drop or one step up or down, every
// order stored at once; the total length; printing the unit and the fan's data sheet. One window for the
// whole program; each unit handed over replaces what it showed.
class TFormSxema : public QWidget {
    Q_OBJECT
public:
    TFormSxema(ui::Program& program, QWidget* parent = nullptr);

    // "Схема" of the result window: the unit's texts and the fan's figures; shows the window.
    void showScheme(
        const unit::UnitHandover& handover, const std::vector<std::pair<QString, QString>>& figures);
    const unit::UnitHandover& handover() const { return m_handover; }

    // Reads the stored order again and redraws everything (done whenever the window becomes active).
    void rebuild();
    // The list click: buttons, the order stored, the strip redrawn.
    void lineChosen();
    // "Переместить на одну позицию вниз/вверх".
    void moveDown();
    void moveUp();
    // Drops the line `from` onto line `onto` (−1: below the last line).
    void dropLine(int from, int onto);

    // "Печать модульной системы", "Печать характеристик вентилятора".
    void printUnit();
    void printFanSheet();

    SchemeStrip* strip() const { return m_strip; }
    // The list's lines in their order.
    QStringList lines() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyMove(const unit::MovedLines& moved);
    void redrawStrip();

    ui::Program& m_program;
    SchemeList* m_list = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_up = nullptr;
    QTableWidget* m_figures = nullptr;
    SchemeStrip* m_strip = nullptr;
    QWidget* m_condensingPanel = nullptr;
    QLabel* m_condensingSize = nullptr;
    QLabel* m_length = nullptr;
    unit::UnitHandover m_handover;
    std::vector<std::pair<QString, QString>> m_figureRows;
    std::vector<unit::SchemeRow> m_rows;
};
