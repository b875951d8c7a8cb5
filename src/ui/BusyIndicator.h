#pragma once

#include <QString>

namespace ui {

// The program's progress window as a long run sees it. Runs are synchronous on the one thread, so a
// run calls step() now and then to keep the indicator moving.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;

    // Shows the indicator with the message (the last one when empty) and paints it at once.
    virtual void start(const QString& message) = 0;
    virtual void step() = 0;
    virtual void finish() = 0;
    virtual bool isRunning() const = 0;
};

// Shows the indicator for the lifetime of a scope, so it closes on every exit path of a run,
// exceptions included. A nested scope leaves the indicator to the outer one; a null indicator does
// nothing.
class BusyScope {
public:
    explicit BusyScope(BusyIndicator* indicator, const QString& message = QString());
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    void step();

private:
    BusyIndicator* m_indicator;
    bool m_outer;
};

} // namespace ui
