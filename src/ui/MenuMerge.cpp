#include "ui/MenuMerge.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace ui {
namespace {
const char* const mergeGroupProperty = "zfnMergeGroup";
}

void setMergeGroup(QMenu* menu, int group)
{
    menu->setProperty(mergeGroupProperty, group);
}

int mergeGroup(const QMenu* menu)
{
    return menu->property(mergeGroupProperty).toInt();
}

QList<QMenu*> contributedMenus(const QWidget* taskWindow)
{
    QList<QMenu*> menus;
    if (!taskWindow)
        return menus;
    for (QMenu* menu : taskWindow->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        if (menu->property(mergeGroupProperty).isValid())
            menus.append(menu);
    }
    return menus;
}

QList<QMenu*> mergedMenuOrder(const QList<QMenu*>& frameMenus, const QList<QMenu*>& windowMenus)
{
    QList<QMenu*> order = frameMenus + windowMenus;
    std::stable_sort(order.begin(), order.end(),
        [](const QMenu* a, const QMenu* b) { return mergeGroup(a) < mergeGroup(b); });
    return order;
}

void showMenusInOrder(QMenuBar* bar, const QList<QMenu*>& menus)
{
    bar->clear();
    for (QMenu* menu : menus)
        bar->addMenu(menu);
}

} // namespace ui
