#pragma once

#include <QList>

class QMenu;
class QMenuBar;
class QWidget;

// Menus of the frame carry merge groups (1, 2, 3). A task window contributes menus of its own by
// creating them as its direct children with a merge group; while the window is active the frame
// shows them in its menu bar after the frame menus of the same or a lower group.
namespace ui {

void setMergeGroup(QMenu* menu, int group);
int mergeGroup(const QMenu* menu); // 0 when none was set

// The menus a task window contributes, in creation order.
QList<QMenu*> contributedMenus(const QWidget* taskWindow);

// The merged order of the frame's menus and a window's contributed menus: stable by merge group,
// frame menus first within a group.
QList<QMenu*> mergedMenuOrder(const QList<QMenu*>& frameMenus, const QList<QMenu*>& windowMenus);

// Rebuilds the menu bar's top-level items in the given order.
void showMenusInOrder(QMenuBar* bar, const QList<QMenu*>& menus);

} // namespace ui
