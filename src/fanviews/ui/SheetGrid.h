#pragma once

#include <QString>

class QTableWidget;

// The read-only grids of the fan data sheets: no headers, whole-row selection, one item in every cell.
QTableWidget* sheetGrid(const QString& objectName, int rows, int columns);
// Makes the grid exactly as high as its rows, so the sheet shows them all without a scroll bar.
void fitSheetGridHeight(QTableWidget* table);
