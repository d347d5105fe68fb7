// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "board/bookkeeping.h"
#include "support/board_rows.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace zifora::test {

// A board as a load leaves it: the cells from nine rows, the summaries up to date.
inline Board LoadedBoard(const std::array<std::string, 9>& rows)
{
    Board board = BoardFromRows(rows);
    UpdateMissing(board);
    return board;
}

// What MarkSolvedCells makes of an open cell whose text a step has cut to one digit.
inline void MarkPlaced(Board& board, int row, int column, std::string_view digit)
{
    board.Feld.SetTextMatrix(row, column, digit);
    board.Feld.SetCurrent(row, column);
    board.Feld.SetCellLook(
        {board.TestMode ? Colour::Magenta : Colour::Cyan, Weight::Bold, Alignment::Center});
    board.CellState(row, column) = board.TestMode ? kTrial : kPlaced;
}

// The board cells as text/code/colour, one grid row a line, then the current cell: a failing comparison
// shows where two boards part.
inline std::string Picture(const Board& board)
{
    std::string picture;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            picture += board.Feld.TextMatrix(row, column) + "/" + std::to_string(board.CellState(row, column))
                + "/" + std::to_string(static_cast<int>(board.Feld.Look(row, column).back)) + " ";
        }
        picture += "\n";
    }
    return picture + "current " + std::to_string(board.Feld.Row()) + "," + std::to_string(board.Feld.Col());
}

// Compares whole boards (summaries, looks and labels included), showing the cells first.
inline void ExpectSameBoard(const Board& actual, const Board& expected)
{
    EXPECT_EQ(Picture(actual), Picture(expected));
    EXPECT_TRUE(actual == expected);
}

} // namespace zifora::test
