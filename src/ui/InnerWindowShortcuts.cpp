#include "ui/InnerWindowShortcuts.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

namespace ui {

QList<QKeySequence> menuShortcuts(const QList<QMenu*>& menus)
{
    QList<QKeySequence> sequences;
    for (const QMenu* menu : menus) {
        for (const QAction* action : menu->actions()) {
            if (action->menu())
                sequences += menuShortcuts({action->menu()});
            for (const QKeySequence& sequence : action->shortcuts()) {
                if (!sequence.isEmpty())
                    sequences.append(sequence);
            }
        }
    }
    return sequences;
}

void releaseShortcuts(QMdiSubWindow* window, const QList<QKeySequence>& taken)
{
    QMenu* systemMenu = window->systemMenu();
    if (!systemMenu)
        return;
    for (QAction* action : systemMenu->actions()) {
        QList<QKeySequence> kept = action->shortcuts();
        kept.removeIf([&taken](const QKeySequence& sequence) { return taken.contains(sequence); });
        if (kept != action->shortcuts())
            action->setShortcuts(kept);
    }
}

} // namespace ui
