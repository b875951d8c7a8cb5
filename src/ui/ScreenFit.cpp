#include "ui/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace ui {

void fitCentredOnScreen(QWidget* window, QSize preferred)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(preferred);
        return;
    }
    const QRect area = screen->availableGeometry();
    // Room for the window manager's border and title bar, and a little of the desktop around it.
    constexpr int margin = 40;
    const QSize size
        = preferred.boundedTo(area.size() - QSize(margin, 2 * margin)).expandedTo(window->minimumSizeHint());
    window->resize(size);
    window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area).topLeft());
}

void bringToFront(QWidget* window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
