#pragma once

#include <QKeySequence>
#include <QList>

class QMdiSubWindow;
class QMenu;

namespace ui {

// Every key sequence the actions of these menus and their submenus answer to.
QList<QKeySequence> menuShortcuts(const QList<QMenu*>& menus);

// An inner window's own menu (restore, move, size, close, ...) gives up every key sequence in
// `taken`. A sequence claimed twice in one window is ambiguous and then does nothing at all; on
// Linux Qt gives the inner windows' close item Ctrl+W besides Ctrl+F4, which the frame uses for a task.
void releaseShortcuts(QMdiSubWindow* window, const QList<QKeySequence>& taken);

} // namespace ui
