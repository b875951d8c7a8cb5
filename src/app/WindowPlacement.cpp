#include "app/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void centreOnWindow(QWidget* window, const QWidget* frame)
{
    if (!frame || !frame->isVisible()) {
        centreOnScreen(window);
        return;
    }
    QRect geometry = window->frameGeometry();
    geometry.moveCenter(frame->frameGeometry().center());
    window->move(geometry.topLeft());
}
