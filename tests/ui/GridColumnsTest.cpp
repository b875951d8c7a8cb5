#include "ui/GridColumns.h"

#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A window of `width` pixels holding a grid of four columns of `column` pixels.
struct GridWindow {
    QWidget window;
    QTableWidget* grid = new QTableWidget(3, 4);

    GridWindow(int width, int column)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        for (int c = 0; c < grid->columnCount(); ++c)
            grid->setColumnWidth(c, column);
        window.resize(width, 300);
        window.show();
    }
    int columns() const { return grid->horizontalHeader()->length(); }
};

} // namespace

TEST(GridColumns, WindowWidensUntilEveryColumnShows)
{
    GridWindow narrow(300, 110);
    ui::widenWindowToColumns(narrow.grid);
    EXPECT_GE(narrow.grid->maximumViewportSize().width(), narrow.columns());
    EXPECT_GT(narrow.window.width(), 300);

    // A window that already shows every column keeps its size.
    GridWindow wide(700, 60);
    ui::widenWindowToColumns(wide.grid);
    EXPECT_EQ(wide.window.width(), 700);
}

TEST(GridColumns, WindowNeverGrowsPastTheScreen)
{
    GridWindow huge(300, 4000);
    ui::widenWindowToColumns(huge.grid);
    EXPECT_LE(huge.window.width(), huge.window.screen()->availableGeometry().width());
    EXPECT_GE(huge.window.width(), 300);
}
