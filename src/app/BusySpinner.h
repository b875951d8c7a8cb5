#pragma once

#include <QElapsedTimer>
#include <QWidget>

// A ring of dots whose brightness runs round: the busy indicator of the progress window. Its phase
// follows the clock, so it moves whenever the window gets a chance to repaint.
class BusySpinner : public QWidget {
    Q_OBJECT
public:
    explicit BusySpinner(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {40, 40}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QElapsedTimer m_clock;
    int m_timer = 0;
};
