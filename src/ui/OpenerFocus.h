#pragma once

class QObject;

namespace ui {

// Gives the focus back to the window that opened a window once that one closes: a results window, a data
// sheet or a description returns the user to the task window (inside the frame: the very task window, not
// whichever other one the desktop picks) and to the control that had the focus. Installed once for the
// whole program; `owner` ends it. Windows shown without activation (the progress window) are left out.
void returnFocusToOpeners(QObject* owner);

} // namespace ui
