#pragma once

#include "ui/Program.h"

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <typeinfo>

namespace ui {

// A task window that takes a value another window hands over to it: the duty a calculation ends with,
// for the fan selection it opens. The window states the value type it takes by deriving from this.
template <typename Value> class Receives {
public:
    virtual ~Receives() = default;
    // Fills the window's inputs from the value, as if the user had typed them.
    virtual void receive(const Value& value) = 0;
};

// The window an action opens does not take the value handed over to it: an error in the program.
class HandOverError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Opens a new task window of the action, as from the menu, and hands it the value. Returns the window,
// or nullptr when the program opened none (no frame). Throws HandOverError when the window of the action
// does not take values of this type.
template <typename Value> QWidget* handOver(Program& program, const QString& actionName, const Value& value)
{
    QWidget* window = program.openTaskWindow(actionName);
    if (!window)
        return nullptr;
    auto* receiver = dynamic_cast<Receives<Value>*>(window);
    if (!receiver) {
        throw HandOverError(
            "the window of " + actionName.toStdString() + " does not take " + typeid(Value).name());
    }
    receiver->receive(value);
    return window;
}

} // namespace ui
