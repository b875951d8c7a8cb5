#include "app/CatalogueStatus.h"
#include "app/TFormMain.h"
#include "app/ZfnApplication.h"

#include "common/ProgramFolder.h"
#include "ui/MakerIdentity.h"
#include "ui/QuitWhenShown.h"

#include <QDir>
#include <QFont>
#include <QIcon>
#include <QScreen>

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

int main(int argc, char** argv)
{
    ZfnApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("ЗФН-подбор"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setWindowIcon(QIcon(ui::makerLogo(64)));
    setInterfaceFont();
    // Files named by plain name (descriptions, pictures, tree files) lie beside the program.
    QDir::setCurrent(programFolder());

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TFormMain frame;
    frame.createSharedWindows();
    frame.setPermanentStatus(openCatalogueStatus());
    QApplication::restoreOverrideCursor();

    // The whole screen even where no window manager maximises windows.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.setGeometry(screen->availableGeometry());
    if (ui::quitWhenShownRequested())
        ui::quitOnceShown(&frame);
    frame.showMaximized();
    return QApplication::exec();
}
