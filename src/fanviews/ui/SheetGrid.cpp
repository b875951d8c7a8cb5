#include "fanviews/ui/SheetGrid.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget* sheetGrid(const QString& objectName, int rows, int columns)
{
    auto* table = new QTableWidget(rows, columns);
    table->setObjectName(objectName);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            table->setItem(row, column, new QTableWidgetItem);
    }
    return table;
}

void fitSheetGridHeight(QTableWidget* table)
{
    const int height = table->verticalHeader()->length() + 2 * table->frameWidth();
    table->setFixedHeight(height);
}
