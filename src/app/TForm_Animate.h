#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;

// The progress window of long runs: a small always-on-top window with a moving busy indicator.
// Runs are synchronous on the one thread, so a run calls step() now and then to keep it moving.
class TForm_Animate : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Animate(QWidget* parent = nullptr);

    // Shows the window centred on the screen and paints it at once.
    void start(const QString& message = QString());
    // Lets the indicator move and the screen repaint; user input waits until the run ends.
    void step();
    void finish();

private:
    QLabel* m_message;
};

// Shows the shared progress window for the lifetime of a scope, so it closes on every exit path of a
// run, exceptions included. Does nothing when the program has no progress window.
class BusyScope {
public:
    explicit BusyScope(const QString& message = QString());
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    void step();

private:
    TForm_Animate* m_window;
    bool m_wasVisible;
};
