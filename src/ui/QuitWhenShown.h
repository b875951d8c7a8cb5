#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

// For measuring start-up from outside: with ZFN_QUIT_WHEN_SHOWN set in the environment, a program quits
// as soon as its window's first frame has been drawn, so timing the whole process times the way to the
// visible window.
namespace ui {

inline bool quitWhenShownRequested()
{
    return qEnvironmentVariableIsSet("ZFN_QUIT_WHEN_SHOWN");
}

class QuitWhenShown : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The window paints while handling its exposure; the quit queued now runs after that.
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

// Call before showing the window.
inline void quitOnceShown(QWidget* window)
{
    window->winId(); // the native window exists from here on
    window->windowHandle()->installEventFilter(new QuitWhenShown(window));
}

} // namespace ui
