#pragma once

#include "fans/SelectedFan.h"
#include "fans/SmokeFoundFanRow.h"
#include "fans/SmokeSheet.h"
#include "fans/ui/FansFoundWindow.h"

// The smoke-exhaust fans found by the last smoke-exhaust run: the general fans-found window with the
// smoke-exhaust grid of 14 columns, its own chart titles and "Закрыть"; "Подробно" hands the chosen fan
// to the smoke-exhaust data sheet. One window for the whole program.
class TFormGrVovazuSMK : public TFormGrVovazu {
    Q_OBJECT
public:
    TFormGrVovazuSMK(ui::Program& program, QWidget* parent = nullptr);

    // Replaces the content with a smoke-exhaust run's and shows the window.
    void fill(const fans::SmokeFoundFansContent& content);
    const fans::SmokeSelectionRun& smokeRun() const { return m_run; }

    // "Подробно": the chosen fan (the first when none is chosen) becomes the program's smoke-exhaust
    // selected fan and goes with its sheet's figures to the smoke-exhaust data sheet.
    void showDetails() override;

Q_SIGNALS:
    void smokeDetailsRequested(const fans::SelectedFan& fan, const fans::SmokeSheetValues& values);

private:
    fans::SmokeSelectionRun m_run;
};
