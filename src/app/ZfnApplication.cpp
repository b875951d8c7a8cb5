#include "app/ZfnApplication.h"

#include "ui/Messages.h"

#include <exception>

bool runReportingFailure(const std::function<bool()>& handler)
{
    try {
        return handler();
    } catch (const std::exception& error) {
        const QString text = QString::fromUtf8(error.what());
        ui::showMessage(
            text.isEmpty() ? QStringLiteral("Операция прервана из-за внутренней ошибки программы.") : text,
            ui::MessageKind::Error);
    } catch (...) {
        ui::showMessage(
            QStringLiteral("Операция прервана из-за внутренней ошибки программы."), ui::MessageKind::Error);
    }
    return false;
}

ZfnApplication::ZfnApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool ZfnApplication::notify(QObject* receiver, QEvent* event)
{
    return runReportingFailure([&] { return QApplication::notify(receiver, event); });
}
