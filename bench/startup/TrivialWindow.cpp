#include "ui/QuitWhenShown.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

// The yardstick of the program's start-up: the least a Qt program does to show a maximised main window
// with a menu bar, a status bar and a text. Run with ZFN_QUIT_WHEN_SHOWN set, beside the program.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Trivial"));
    window.menuBar()->addMenu(QStringLiteral("&Открыть"));
    window.setCentralWidget(new QLabel(QStringLiteral("Окно")));
    window.statusBar()->showMessage(QStringLiteral("Готово"));
    if (ui::quitWhenShownRequested())
        ui::quitOnceShown(&window);
    window.showMaximized();
    return QApplication::exec();
}
