// SPDX-License-Identifier: MIT
// The grid control paints its cells by hand and repaints only when the grid changed: what reaches the
// screen must still be what the style would paint, after every render.
#include "board/board.h"
#include "qt/grid_view.h"
#include "support/board_rows.h"

#include <QApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSignalBlocker>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

namespace zifora {
namespace {

// A board grid with texts of every alignment, a bold one, coloured cells, and the headers coloured. Every
// text fits its cell, as the program's own do.
Grid SampleGrid()
{
    Board board = test::BoardFromRows({
        ".  .       .  .  .  .  .  .  .",
        ".  1234567 .  .  .  .  .  .  .",
        ".  .       x7 .  .  .  .  .  .",
        ".  .       .  .  .  .  .  .  .",
        ".  .       .  .  4  .  .  .  .",
        ".  59      .  .  .  .  .  .  .",
        ".  .       .  .  .  .  .  .  .",
        ".  .       .  .  .  .  .  .  .",
        ".  .       .  .  .  .  .  .  .",
    });
    Grid& grid = board.Feld;
    grid.SetBackColorFixed(Colour::Green);
    for (const auto& [row, column, text] : {std::tuple {0, 3, "1478"}, std::tuple {4, 0, "23"}}) {
        grid.SetTextMatrix(row, column, text);
    }
    grid.SetCurrent(5, 5);
    grid.SetCellLook({Colour::Yellow, Weight::Bold, Alignment::Center});
    grid.SetCurrent(6, 2);
    grid.SetCellLook({Colour::Cyan, std::nullopt, Alignment::Right});
    grid.SetCurrent(1, 1);
    return grid;
}

// A table of Qt's own, showing the view's items through the stock delegate.
void CopyIntoStockTable(const GridView& view, QTableWidget& table)
{
    table.setFont(view.font());
    table.setFrameShape(QFrame::NoFrame);
    table.viewport()->setBackgroundRole(QPalette::Window);
    table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table.setSelectionMode(QAbstractItemView::NoSelection);
    table.setWordWrap(false);
    table.setTextElideMode(Qt::ElideNone);
    for (QHeaderView* header : {table.horizontalHeader(), table.verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(1);
    }
    table.setRowCount(view.rowCount());
    table.setColumnCount(view.columnCount());
    table.horizontalHeader()->setDefaultSectionSize(view.columnWidth(0));
    table.verticalHeader()->setDefaultSectionSize(view.rowHeight(0));
    table.resize(view.size());
    for (int row = 0; row < view.rowCount(); ++row) {
        for (int column = 0; column < view.columnCount(); ++column) {
            auto* item = view.item(row, column)->clone();
            item->setFlags(Qt::ItemIsEnabled); // the view paints its header cells as enabled ones
            table.setItem(row, column, item);
        }
    }
}

class GridViewTest : public testing::Test {
protected:
    GridViewTest()
    {
        view.setGeometry(0, 0, 645, 165);
        Render();
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    // As the window renders: with the moves of the current cell kept from its listeners.
    void Render()
    {
        const QSignalBlocker blockCellMoves(view.selectionModel());
        view.Render(grid);
    }

    // What the window system got: the view's last flushed picture, not a fresh rendering of it.
    QImage OnScreen()
    {
        QCoreApplication::processEvents();
        return view.screen()->grabWindow(view.winId()).toImage();
    }
    QColor OnScreenAt(int row, int column, QPoint offset)
    {
        return OnScreen().pixelColor(view.visualItemRect(view.item(row, column)).topLeft() + offset);
    }
    QColor Highlight() const { return view.palette().color(QPalette::Highlight); }

    Grid grid = SampleGrid();
    GridView view {CurrentCellMark::Frame, nullptr};
};

TEST_F(GridViewTest, PaintsItsCellsAsTheStylePaintsATablesItems)
{
    QTableWidget stock;
    CopyIntoStockTable(view, stock);
    const QImage mine = view.grab().toImage();
    const QImage theirs = stock.grab().toImage();
    for (int row = 0; row < view.rowCount(); ++row) {
        for (int column = 0; column < view.columnCount(); ++column) {
            if (row == grid.Row() && column == grid.Col()) {
                continue; // framed
            }
            const QRect cell = view.visualItemRect(view.item(row, column));
            EXPECT_EQ(mine.copy(cell), theirs.copy(cell)) << "cell " << row << "," << column;
        }
    }
}

TEST_F(GridViewTest, ScreenFollowsAFrameThatOnlyMoves)
{
    EXPECT_EQ(OnScreenAt(1, 1, {0, 0}), Highlight());
    grid.SetCurrent(6, 2);
    Render();
    EXPECT_EQ(OnScreenAt(6, 2, {0, 0}), Highlight());
    EXPECT_EQ(OnScreenAt(6, 2, {3, 3}), QColor(0, 255, 255)) << "the frame leaves the cell's own colour";
    EXPECT_NE(OnScreenAt(1, 1, {0, 0}), Highlight()) << "the old frame is gone";
}

TEST_F(GridViewTest, ScreenFollowsChangedCellsAndAWidgetGoneStale)
{
    const QImage before = OnScreen();
    grid.SetCurrent(9, 9);
    grid.SetCellLook({Colour::Magenta, std::nullopt, grid.Look(9, 9).align});
    grid.SetCurrent(1, 1);
    Render();
    EXPECT_EQ(OnScreenAt(9, 9, {3, 3}), QColor(255, 0, 255));

    // A render of the same grid puts back what the user changed in the widget, and leaves the screen alone.
    view.setCurrentCell(4, 4);
    Render();
    EXPECT_EQ(view.currentRow(), 1);
    EXPECT_EQ(view.currentColumn(), 1);
    Render();
    EXPECT_EQ(OnScreen(), view.grab().toImage());
    EXPECT_NE(OnScreen(), before);
}

TEST_F(GridViewTest, NewPaletteShowsAtTheNextRenderOfTheSameGrid)
{
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, QColor(10, 20, 30));
    view.setPalette(palette);
    Render();
    EXPECT_EQ(view.item(3, 3)->background().color(), QColor(10, 20, 30));
    EXPECT_EQ(OnScreenAt(3, 3, {3, 3}), QColor(10, 20, 30));
}

} // namespace
} // namespace zifora
