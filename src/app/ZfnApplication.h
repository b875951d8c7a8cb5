#pragma once

#include <QApplication>
#include <functional>

// Runs one piece of event handling; an exception escaping it (a catalogue error, any std::exception)
// ends only that operation: its message is shown and the program goes on. Returns what the handler
// returned, or false when it failed.
bool runReportingFailure(const std::function<bool()>& handler);

// The program's application object: every event handler runs under runReportingFailure.
class ZfnApplication : public QApplication {
    Q_OBJECT
public:
    ZfnApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
