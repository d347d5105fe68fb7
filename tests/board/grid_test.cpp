// SPDX-License-Identifier: MIT
#include "board/board.h"

#include <gtest/gtest.h>

namespace zifora {
namespace {

TEST(Grid, CurrentCellAddressesTextAndLook)
{
    Board board;
    EXPECT_EQ(board.Feld.Row(), 1);
    EXPECT_EQ(board.Feld.Col(), 1);
    board.Feld.SetCurrent(4, 7);
    board.Feld.SetText("5");
    board.Feld.SetCellLook({Colour::Yellow, Weight::Bold, Alignment::Center});
    board.Feld.SetTextMatrix(2, 2, "13");
    EXPECT_EQ(board.Feld.TextMatrix(4, 7), "5");
    EXPECT_EQ(board.Feld.Look(4, 7), (CellLook {Colour::Yellow, Weight::Bold, Alignment::Center}));
    EXPECT_EQ(board.Feld.Text(), "5") << "writing by address leaves the current cell";
}

TEST(Grid, ClearEmptiesTextsAndLooksButKeepsItsShape)
{
    Board board;
    board.Feld.SetBackColorFixed(Colour::Green);
    board.Feld.SetTextMatrix(0, 3, "12");
    board.Feld.SetCurrent(9, 9);
    board.Feld.SetText("8");
    board.Feld.SetCellLook({Colour::Cyan, Weight::Bold, Alignment::Center});
    board.Feld.Clear();
    EXPECT_EQ(board.Feld.TextMatrix(0, 3), "");
    EXPECT_EQ(board.Feld.TextMatrix(9, 9), "");
    EXPECT_EQ(board.Feld.Look(9, 9), CellLook {});
    EXPECT_EQ(board.Feld.Rows(), 10);
    EXPECT_EQ(board.Feld.Cols(), 10);
    EXPECT_EQ(board.Feld.BackColorFixed(), Colour::Green);
}

TEST(Colours, HaveTheirExactRgb)
{
    EXPECT_EQ(RgbOf(Colour::Green), (Rgb {0, 255, 0}));
    EXPECT_EQ(RgbOf(Colour::Red), (Rgb {255, 0, 0}));
    EXPECT_EQ(RgbOf(Colour::Yellow), (Rgb {255, 255, 0}));
    EXPECT_EQ(RgbOf(Colour::Cyan), (Rgb {0, 255, 255}));
    EXPECT_EQ(RgbOf(Colour::Magenta), (Rgb {255, 0, 255}));
    EXPECT_EQ(RgbOf(Colour::White), (Rgb {255, 255, 255}));
    EXPECT_FALSE(RgbOf(Colour::Window).has_value());
    EXPECT_FALSE(RgbOf(Colour::Default).has_value());
}

} // namespace
} // namespace zifora
