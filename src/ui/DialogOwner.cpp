#include "ui/DialogOwner.h"

#include <QApplication>
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

void keepAboveStayOnTopWindows(QWidget* dialog)
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window != dialog && window->isVisible()
            && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
            dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
            return;
        }
    }
}

} // namespace ui
