#pragma once

#include "unit/UnitHandover.h"
#include "unit/UnitResult.h"

#include <QWidget>

class QGroupBox;
class QTableWidget;
namespace ui {
class Program;
}

// The assembled unit with the fan chosen for it: its pieces in the order they were handed over, the fan
// last, and the fan's figures with the unit's total length. "Схема" opens the arrangement scheme. One window
// for the whole program; each fan chosen for a unit replaces what it showed.
class TFormResultPritoch : public QWidget {
    Q_OBJECT
public:
    TFormResultPritoch(ui::Program& program, QWidget* parent = nullptr);

    void showResult(const unit::UnitResult& result, const unit::UnitHandover& handover);
    const unit::UnitResult& result() const { return m_result; }
    // "Схема": the pieces become the arrangement's working table in their default order and the scheme
    // opens with them.
    void openScheme();

protected:
    void changeEvent(QEvent* event) override;

private:
    void writeHeader();

    ui::Program& m_program;
    QGroupBox* m_group = nullptr;
    QTableWidget* m_pieces = nullptr;
    QTableWidget* m_figures = nullptr;
    unit::UnitResult m_result;
    unit::UnitHandover m_handover;
};
