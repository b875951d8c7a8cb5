#include "ui/ListWidth.h"

#include <QListWidget>
#include <QStyle>

namespace ui {

void showItemsWhole(QListWidget* list)
{
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth()
        + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
}

} // namespace ui
