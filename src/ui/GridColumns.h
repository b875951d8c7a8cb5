#pragma once

#include <QString>

class QTableWidget;

namespace ui {

// After a grid is filled: a column whose given width cuts one of its texts or its heading, in the
// fonts this system has, is widened to the widest of them. Texts are measured bold, since grids draw
// the chosen row or column bold. Columns no wider than `hiddenWidth` are kept out of sight on purpose
// and stay as they are; no column is ever narrowed.
void widenColumnsToContents(QTableWidget* grid, int hiddenWidth = 2);

// Widens the grid's window by what the grid lacks to show all its columns without scrolling sideways,
// as far as the screen's free area allows.
void widenWindowToColumns(QTableWidget* grid);

// The width a cell needs to show `text` whole in `grid`, drawn bold.
int cellWidthFor(const QTableWidget* grid, const QString& text);

} // namespace ui
