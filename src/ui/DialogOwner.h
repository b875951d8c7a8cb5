#pragma once

class QWidget;

namespace ui {

// The window a message box or file dialog belongs to: the window of `raiser` when one is given,
// otherwise the window the user works in now (a modal dialog, the active window, the window holding
// the focus). Nothing when the program shows no window at all.
QWidget* dialogOwner(QWidget* raiser = nullptr);

// Makes a dialog not yet shown appear above every window of the program that stays on top (such as
// a results window), so that it never opens hidden underneath one while it waits for the user.
void keepAboveStayOnTopWindows(QWidget* dialog);

// Shows a window the user asked for (a description, a photo) above the window that asked for it, even
// when that one stays on top (the results of a curtain): the shown window stays on top as long as such a
// window is open, and is an ordinary window again once none is.
void showAboveRequester(QWidget* window);

} // namespace ui
