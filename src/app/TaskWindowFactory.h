#pragma once

#include <QString>

class QWidget;
namespace ui {
class Program;
}

// Creates a new task window of the class that the task action opens, or nullptr for an unknown
// action. The window is not yet shown nor titled: the frame numbers and shows it. A window whose
// constructor takes (ui::Program&, QWidget*) is handed the program.
QWidget* createTaskWindow(const QString& actionName, ui::Program& program);

// Prepares a new assembled-unit window for the supply-system kind chosen in the kind dialog (0 to 3):
// the window class provides the invokable applyUnitKind(int).
void applyUnitKind(QWidget* unitWindow, int kind);
