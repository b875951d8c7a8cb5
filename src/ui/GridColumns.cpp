#include "ui/GridColumns.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableWidget>

namespace ui {

int cellWidthFor(const QTableWidget* grid, const QString& text)
{
    QFont bold = grid->font();
    bold.setBold(true);
    // The item view's text margin on each side, the grid line and a pixel of air.
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 2;
    return QFontMetrics(bold).horizontalAdvance(text) + margins;
}

void widenColumnsToContents(QTableWidget* grid, int hiddenWidth)
{
    const QHeaderView* header = grid->horizontalHeader();
    for (int column = 0; column < grid->columnCount(); ++column) {
        const int given = grid->columnWidth(column);
        if (given <= hiddenWidth)
            continue;
        int needed = header->isHidden() ? 0 : header->sectionSizeHint(column);
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (const QTableWidgetItem* item = grid->item(row, column))
                needed = std::max(needed, cellWidthFor(grid, item->text()));
        }
        if (needed > given)
            grid->setColumnWidth(column, needed);
    }
}

} // namespace ui
