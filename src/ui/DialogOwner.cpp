#include "ui/DialogOwner.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace ui {

QWidget* dialogOwner(QWidget* raiser)
{
    if (raiser)
        return raiser->window();
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* focused = QApplication::focusWidget())
        return focused->window();
    return nullptr;
}

namespace {

// Marks a window that stays on top only because it was asked for from one that does.
const char* const aboveRequester = "zfnAboveRequester";

// Whether a window other than `shown` stays on top of its own accord.
bool anotherStaysOnTop(const QWidget* shown)
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window != shown && window->isVisible() && !window->property(aboveRequester).toBool()
            && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    }
    return false;
}

} // namespace

void keepAboveStayOnTopWindows(QWidget* dialog)
{
    if (anotherStaysOnTop(dialog))
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void showAboveRequester(QWidget* window)
{
    const bool onTop = anotherStaysOnTop(window);
    // Changing the flag of a shown window hides it; it is shown again below.
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    window->setProperty(aboveRequester, onTop);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace ui
