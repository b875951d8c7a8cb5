#include "app/WindowsMenu.h"

#include "app/TaskWindowPlace.h"
#include "ui/Hints.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

// Lays the task windows out one title bar below the other, as new windows open, the active one last and in
// front; each keeps its normal size as far as the workspace has room for it.
void cascade(QMdiArea* workspace, QList<QMdiSubWindow*> tasks)
{
    QMdiSubWindow* active = workspace->activeSubWindow();
    if (tasks.removeOne(active))
        tasks.append(active);
    const QSize room = workspace->viewport()->size();
    for (qsizetype i = 0; i < tasks.size(); ++i) {
        QMdiSubWindow* sub = tasks[i];
        if (sub->isMaximized() || sub->isMinimized())
            sub->showNormal();
        sub->setGeometry(taskWindowPlace(int(i), sub->size(), sub->minimumSizeHint(), room));
        sub->raise();
    }
    if (active)
        workspace->setActiveSubWindow(active);
}

} // namespace

void fillWindowsMenu(QMenu* menu, QMdiArea* workspace, const QMdiSubWindow* startMenu)
{
    menu->clear();
    QList<QMdiSubWindow*> tasks;
    for (QMdiSubWindow* sub : workspace->subWindowList(QMdiArea::CreationOrder)) {
        if (sub != startMenu && sub->widget() && !sub->isHidden())
            tasks.append(sub);
    }
    QAction* cascade = menu->addAction(u"&Каскадом"_s, workspace, [workspace, tasks] {
        QList<QMdiSubWindow*> open;
        for (QMdiSubWindow* sub : workspace->subWindowList(QMdiArea::CreationOrder)) {
            if (tasks.contains(sub))
                open.append(sub);
        }
        ::cascade(workspace, open);
    });
    cascade->setObjectName(u"ActionCascade"_s);
    ui::setHint(cascade, u"Каскадом|Расположить окна каскадом"_s);
    QAction* tile = menu->addAction(u"&Мозаикой"_s, workspace, &QMdiArea::tileSubWindows);
    tile->setObjectName(u"ActionTile"_s);
    ui::setHint(tile, u"Мозаикой|Расположить окна рядом, без перекрытия"_s);
    cascade->setEnabled(!tasks.isEmpty());
    tile->setEnabled(!tasks.isEmpty());
    if (tasks.isEmpty())
        return;
    menu->addSeparator();
    for (qsizetype i = 0; i < tasks.size(); ++i) {
        QMdiSubWindow* sub = tasks[i];
        const QString number = i < 9 ? u"&"_s + QString::number(i + 1) : QString::number(i + 1);
        QAction* item = menu->addAction(number + u' ' + sub->widget()->windowTitle());
        item->setCheckable(true);
        item->setChecked(sub == workspace->activeSubWindow());
        QObject::connect(item, &QAction::triggered, workspace, [workspace, sub = QPointer(sub)] {
            if (!sub)
                return;
            if (sub->isMinimized())
                sub->showNormal();
            workspace->setActiveSubWindow(sub);
        });
    }
}
