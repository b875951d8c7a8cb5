#include "app/CatalogueStatus.h"
#include "app/TFormMain.h"
#include "app/ZfnApplication.h"

#include "common/ProgramFolder.h"
#include "ui/QuitWhenShown.h"

#include <QDir>
#include <QScreen>

int main(int argc, char** argv)
{
    ZfnApplication app(argc, argv);
    setUpProgram();
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
