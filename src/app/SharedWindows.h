#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The windows that exist once for the whole process (result windows, report hosts, dialogs, the
// progress and photo windows). They are created at start in a fixed order, hidden, owned by the
// frame, and shared by every task window: the last run of any window of a kind is what they show.
namespace SharedWindows {

// Creates every shared window in order, as a top-level window owned by the frame.
void createAll(QWidget* frame);

// Every shared window in creation order (for inspection).
QList<QWidget*> all();

QWidget* findByClassName(const char* className);

// The one window of the given class, or nullptr when the program has none.
template <typename Window> Window* get()
{
    for (QWidget* window : all()) {
        if (auto* typed = qobject_cast<Window*>(window))
            return typed;
    }
    return nullptr;
}

// The shared window of the class: the one the program created at start or, where the program has none
// (a window run on its own, as in tests), one made on first use and kept for the rest of the run.
template <typename Window> Window* instance()
{
    if (Window* window = get<Window>())
        return window;
    static QPointer<Window> own;
    if (!own)
        own = new Window;
    return own;
}

} // namespace SharedWindows
