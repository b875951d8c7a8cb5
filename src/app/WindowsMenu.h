#pragma once

class QMdiArea;
class QMdiSubWindow;
class QMenu;

// The frame's "Окна" menu: arranges the task windows (cascade, tile) and lists them, the active one
// ticked, so that a window hidden behind a maximised one is one click away. Filled each time it opens.
void fillWindowsMenu(QMenu* menu, QMdiArea* workspace, const QMdiSubWindow* startMenu);
