#pragma once

#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;
class SpinEditWidget;

// Parts the fan selection windows share.

// "Исходные данные для подбора", bold and underlined, over the input column.
QLabel* inputColumnTitle();

// A box of the required duty with its name, first value, step and hint.
SpinEditWidget* dutyBox(const QString& name, double value, double step, const QString& hint);

// "Подбор" (Button1): the default button, blue, that starts the selection.
QPushButton* runSelectionButton();

// The button row of a fan selection window: "Подбор" (Button1, the default button) runs the selection,
// "Закрыть" (Button2) closes the window, or its frame when it sits in the program's frame.
QHBoxLayout* selectionButtons(QWidget* window, const std::function<void()>& runSelection);
