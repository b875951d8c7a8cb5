#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace ui {

// The layout of a calculation's results window: its content above, and below it the centred buttons
// "<< Назад" (bBack), which closes the window, and "Печать" (bPrint), which runs `print`.
void layOutResultsWindow(QDialog* window, QWidget* content, const std::function<void()>& print);

} // namespace ui
