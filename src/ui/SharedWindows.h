#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace ui {

class Program;

// A shared window asked for that the program never registered, or registered twice: an error in the
// program itself, never a reason to make a stray window.
class SharedWindowError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The windows that exist once for the whole process (result windows, report hosts, dialogs, the
// progress and photo windows), shared by every task window: the last run of any window of a kind is
// what they show. The program registers each class at start, in its fixed order; a window is built
// the first time someone asks for it, owned by the registry's owner (the frame), and lives until the
// registry goes. Lookup is by exact class: a subclass or a sibling variant is never returned.
class SharedWindows {
public:
    // `owner` becomes the parent of every window (may be null: top-level windows, as in tests);
    // windows whose constructor takes (ui::Program&, QWidget*) are given `program`.
    SharedWindows(QWidget* owner, Program& program);
    ~SharedWindows();
    SharedWindows(const SharedWindows&) = delete;
    SharedWindows& operator=(const SharedWindows&) = delete;

    // Registers the class at the next place of the order. `prepare` runs once on the window right after
    // it is built (to connect it to the windows it serves).
    template <typename Window> void add(std::function<void(Window*)> prepare = {})
    {
        addEntry(&Window::staticMetaObject, [this, prepare]() -> QWidget* {
            Window* window = construct<Window>();
            if (prepare)
                prepare(window);
            return window;
        });
    }

    // The one window of the class, built now if this is its first use. Throws SharedWindowError when the
    // class is not registered.
    template <typename Window> Window* get()
    {
        return static_cast<Window*>(window(&Window::staticMetaObject));
    }

    // The window when it has been built already, else nullptr; builds nothing.
    template <typename Window> Window* ifCreated() const
    {
        return static_cast<Window*>(created(&Window::staticMetaObject));
    }

    template <typename Window> bool isRegistered() const
    {
        return find(&Window::staticMetaObject) != nullptr;
    }

    // Builds every registered window that is not built yet, in order.
    void createAll();
    // The windows built so far, in registration order.
    QList<QWidget*> created() const;
    // Class names of the registered windows, in order.
    QStringList registeredClasses() const;

private:
    struct Entry {
        const QMetaObject* type;
        std::function<QWidget*()> create;
        QPointer<QWidget> window;
    };

    template <typename Window> Window* construct()
    {
        if constexpr (std::is_constructible_v<Window, Program&, QWidget*>)
            return new Window(m_program, m_owner);
        else
            return new Window(m_owner);
    }
    void addEntry(const QMetaObject* type, std::function<QWidget*()> create);
    const Entry* find(const QMetaObject* type) const;
    QWidget* window(const QMetaObject* type);
    QWidget* created(const QMetaObject* type) const;

    QWidget* m_owner;
    Program& m_program;
    std::vector<Entry> m_entries;
};

} // namespace ui
