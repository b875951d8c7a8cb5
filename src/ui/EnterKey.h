#pragma once

class QPushButton;
class QWidget;

namespace ui {

// Makes `button` the default button of a task window that is no dialog: Enter pressed anywhere in the
// window clicks it, unless the control with the focus uses the key itself (a button with the focus is
// clicked by its own Enter).
void clickOnEnter(QWidget* window, QPushButton* button);

} // namespace ui
