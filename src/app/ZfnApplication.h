#pragma once

#include <QApplication>
#include <functional>

// Runs one piece of event handling; an exception escaping it (a catalogue error, any std::exception)
// ends only that operation: its message is shown and the program goes on. Returns what the handler
// returned, or false when it failed.
bool runReportingFailure(const std::function<bool()>& handler);

// Who the program is and how it speaks, set once at start: version and icon, the interface font, and
// Qt's own Russian texts for its standard dialogs and buttons. No display name is set: Qt would append
// it to every window's caption (" — ЗФН-подбор"), and captions read exactly as the windows give them.
void setUpProgram();

// Qt's own texts (file dialogs, standard buttons) in Russian, from the translations installed with Qt.
// False when they are not installed; the dialogs then stay in English.
bool installQtRussian();

// The program's application object: every event handler runs under runReportingFailure.
class ZfnApplication : public QApplication {
    Q_OBJECT
public:
    ZfnApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
