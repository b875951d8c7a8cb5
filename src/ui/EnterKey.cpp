#include "ui/EnterKey.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

namespace ui {

namespace {

// Sees the key events that the window's controls left unused: they travel up to the window itself.
class EnterClicks : public QObject {
public:
    EnterClicks(QWidget* window, QPushButton* button)
        : QObject(window)
        , m_button(button)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || watched != parent())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || key->modifiers() & ~Qt::KeypadModifier || !m_button || !m_button->isEnabled()
            || !m_button->isVisible())
            return false;
        // A focused button is clicked by its own Enter, not by the default one.
        if (auto* focused = qobject_cast<QPushButton*>(static_cast<QWidget*>(parent())->focusWidget());
            focused && focused != m_button) {
            focused->click();
            return true;
        }
        m_button->click();
        return true;
    }

private:
    QPointer<QPushButton> m_button;
};

} // namespace

void clickOnEnter(QWidget* window, QPushButton* button)
{
    button->setDefault(true);
    window->installEventFilter(new EnterClicks(window, button));
}

} // namespace ui
