#include "ui/OpenerFocus.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

namespace ui {

namespace {

bool isTrackedWindow(const QWidget* widget)
{
    if (!widget->isWindow() || widget->testAttribute(Qt::WA_ShowWithoutActivating))
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

void giveFocusTo(QWidget* opener)
{
    QWidget* window = opener->window();
    window->raise();
    window->activateWindow();
    for (QWidget* up = opener; up; up = up->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(up)) {
            if (QMdiArea* area = sub->mdiArea())
                area->setActiveSubWindow(sub);
            break;
        }
    }
    opener->setFocus(Qt::OtherFocusReason);
}

class OpenerFocus : public QObject {
public:
    explicit OpenerFocus(QObject* owner)
        : QObject(owner)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Windows of the desktop only: the task windows inside the frame get activation events too.
        if (event->type() == QEvent::WindowActivate && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow())
            m_lastActive = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !isTrackedWindow(widget))
            return false;
        if (event->type() == QEvent::Show)
            opened(widget);
        else
            closed(widget);
        return false;
    }

private:
    void opened(QWidget* window)
    {
        ++m_shown;
        // The show event comes before the window takes the focus: the focus is still the opener's.
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->window() != window)
            m_openers.insert(window, focus);
    }

    void closed(QWidget* window)
    {
        const QPointer<QWidget> opener = m_openers.take(window);
        if (!opener || window->isModal())
            return;
        // Only the window the user works in gives the focus back: one hidden while the user is elsewhere
        // leaves the focus where it is.
        if (m_lastActive != window && QApplication::activeWindow() != window)
            return;
        // After the desktop has picked the next active window; a window opened meanwhile keeps it.
        const int shownBefore = m_shown;
        QMetaObject::invokeMethod(
            this,
            [this, opener, shownBefore] {
                if (opener && opener->isVisible() && m_shown == shownBefore
                    && !QApplication::activeModalWidget())
                    giveFocusTo(opener);
            },
            Qt::QueuedConnection);
    }

    QHash<QWidget*, QPointer<QWidget>> m_openers;
    QPointer<QWidget> m_lastActive;
    int m_shown = 0;
};

} // namespace

void returnFocusToOpeners(QObject* owner)
{
    new OpenerFocus(owner);
}

} // namespace ui
