#pragma once

#include "fans/SelectionRequest.h"
#include "unit/UnitHandover.h"
#include "unit/WorkingTables.h"

#include <QWidget>
#include <optional>
#include <vector>

namespace fans {
struct SelectedFan;
}

class FanSearchControls;
class TMDIChildPritoch;
class QListWidget;
class QPushButton;
class SpinEditWidget;
namespace ui {
class Program;
}

// The fan selection for an assembled unit: duct fans of the ticked series, by total pressure, for the unit's
// flow and pressure, with the unit's duct section as the only admitted size. The fans found go to the shared
// fans-found window, which then offers "Модульная система": the chosen fan joins the unit in the unit's
// result window. One window for the whole program; every unit handed over replaces the one before.
class TFormPritochVovazu : public QWidget {
    Q_OBJECT
public:
    TFormPritochVovazu(ui::Program& program, QWidget* parent = nullptr);

    // "Подбор вентилятора>>" of a unit window: the unit's pieces become the working table Elements, the
    // window is preset with the unit's duty and section and shown. A store error is shown and nothing
    // else happens.
    void handOver(const std::vector<unit::UnitElementRow>& pieces, const unit::UnitHandover& handover,
        const unit::UnitFanDuty& duty);
    const unit::UnitHandover& handoverShown() const { return m_handover; }
    // The same for the unit a composition window has calculated.
    void takeUnit(TMDIChildPritoch& unitWindow);

    // Reads and checks the inputs; on a fault shows its message, focuses the field and returns nothing.
    std::optional<fans::SelectionRequest> readRequest();
    // "Подбор".
    void runSelection();
    // "<< Назад": every size admitted again, the window closed.
    void goBack();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSeriesColumn();
    QWidget* buildInputColumn();
    void fillFromCatalogue();
    void toggleSeries();
    // "Модульная система" of the fans-found window with the chosen fan's grid cells.
    void fanChosen(const fans::SelectedFan& fan);

    ui::Program& m_program;
    QListWidget* m_series = nullptr;
    QPushButton* m_tickSeries = nullptr;
    FanSearchControls* m_search = nullptr;
    SpinEditWidget* m_flow = nullptr;
    SpinEditWidget* m_pressure = nullptr;
    bool m_filled = false;
    unit::UnitHandover m_handover;
};
