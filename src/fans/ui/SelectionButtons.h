#pragma once

#include <functional>

class QHBoxLayout;
class QWidget;

// The button row of a fan selection window: "Подбор" (Button1, the default button) runs the selection,
// "Закрыть" (Button2) closes the window, or its frame when it sits in the program's frame.
QHBoxLayout* selectionButtons(QWidget* window, const std::function<void()>& runSelection);
