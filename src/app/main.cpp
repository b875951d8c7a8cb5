#include "app/CatalogueStatus.h"
#include "app/TFormMain.h"
#include "app/ZfnApplication.h"

#include "ui/MakerIdentity.h"

#include <QFont>
#include <QIcon>
#include <QScreen>

namespace {

// The interface font: the family the program's windows are designed for, which fontconfig maps to a
// metric-compatible Liberation or DejaVu face, at the size of the classic dialog font.
void setInterfaceFont()
{
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

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TFormMain frame;
    frame.createSharedWindows();
    frame.setPermanentStatus(openCatalogueStatus());
    QApplication::restoreOverrideCursor();

    // The whole screen even where no window manager maximises windows.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    return QApplication::exec();
}
