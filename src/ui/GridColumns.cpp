#include "ui/GridColumns.h"

#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
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

void widenWindowToColumns(QTableWidget* grid)
{
    QWidget* window = grid->window();
    if (window->layout())
        window->layout()->activate(); // the grid's place at the window's present size
    int columns = 0;
    for (int column = 0; column < grid->columnCount(); ++column)
        columns += grid->columnWidth(column);
    const int rows = grid->verticalHeader()->length();
    const QSize room = grid->maximumViewportSize();
    const int scrollBar = rows > room.height() ? grid->verticalScrollBar()->sizeHint().width() : 0;
    const int lacking = columns + scrollBar - room.width();
    if (lacking <= 0)
        return;
    const QScreen* screen = window->screen();
    const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, window->width() + lacking + 40, 0);
    const int width = std::max(window->width(), std::min(window->width() + lacking, free.width() - 40));
    // The window grows to both sides, so that it stays where it was opened.
    const int left = std::max(free.left(), window->x() - (width - window->width()) / 2);
    window->setGeometry(left, window->y(), width, window->height());
}

} // namespace ui
