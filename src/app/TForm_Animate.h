#pragma once

#include "ui/BusyIndicator.h"

#include <QDialog>

class QLabel;

// The progress window of long runs: a small always-on-top window with a moving busy indicator.
// Runs are synchronous on the one thread, so a run calls step() now and then to keep it moving.
class TForm_Animate : public QDialog, public ui::BusyIndicator {
    Q_OBJECT
public:
    explicit TForm_Animate(QWidget* parent = nullptr);

    // Shows the window centred on the screen and paints it at once.
    void start(const QString& message = QString()) override;
    // Lets the indicator move and the screen repaint; user input waits until the run ends.
    void step() override;
    void finish() override;
    bool isRunning() const override { return isVisible(); }

private:
    QLabel* m_message;
};
