#include "app/ZfnApplication.h"

#include "printing/MakerIdentity.h"
#include "ui/Messages.h"

#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

namespace {

// The interface font: the families the program's windows are designed for ("Arial", "MS Sans Serif")
// are shown in Liberation Sans, which has Arial's metrics, so texts fit where they were laid out.
void setInterfaceFont()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSize(9);
    QApplication::setFont(font);
}

} // namespace

bool installQtRussian()
{
    auto* translator = new QTranslator(qApp);
    if (!translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void setUpProgram()
{
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setWindowIcon(QIcon(maker::logo(64)));
    setInterfaceFont();
    installQtRussian();
}

ZfnApplication::ZfnApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool ZfnApplication::notify(QObject* receiver, QEvent* event)
{
    return runReportingFailure([&] { return QApplication::notify(receiver, event); });
}
