// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "board/bookkeeping.h"
#include "support/board_rows.h"

#include <array>
#include <sstream>
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
    board.Feld.SetCellBackColor(board.TestMode ? Colour::Magenta : Colour::Cyan);
    board.Feld.SetCellFontBold(Weight::Bold);
    board.Feld.SetCellAlignment(Alignment::Center);
    board.CellState(row, column) = board.TestMode ? kTrial : kPlaced;
}

// Every cell, summary and label where the two boards differ, one per line, for a readable failure.
inline std::string Differences(const Board& actual, const Board& expected)
{
    std::ostringstream out;
    for (int row = 0; row <= 9; ++row) {
        for (int column = 0; column <= 9; ++column) {
            const std::string& got = actual.Feld.TextMatrix(row, column);
            const std::string& want = expected.Feld.TextMatrix(row, column);
            if (got != want) {
                out << "Feld(" << row << ", " << column << ") is \"" << got << "\", expected \"" << want
                    << "\"\n";
            }
            if (row == 0 || column == 0) {
                continue;
            }
            if (actual.CellState(row, column) != expected.CellState(row, column)) {
                out << "CellState(" << row << ", " << column << ") is " << actual.CellState(row, column)
                    << ", expected " << expected.CellState(row, column) << '\n';
            }
            if (!(actual.Feld.Look(row, column) == expected.Feld.Look(row, column))) {
                out << "look of (" << row << ", " << column << ") differs\n";
            }
        }
    }
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            if (actual.Gruppe.TextMatrix(boxRow, boxColumn)
                != expected.Gruppe.TextMatrix(boxRow, boxColumn)) {
                out << "Gruppe(" << boxRow << ", " << boxColumn << ") is \""
                    << actual.Gruppe.TextMatrix(boxRow, boxColumn) << "\", expected \""
                    << expected.Gruppe.TextMatrix(boxRow, boxColumn) << "\"\n";
            }
        }
    }
    if (actual.Feld.Row() != expected.Feld.Row() || actual.Feld.Col() != expected.Feld.Col()) {
        out << "current cell is (" << actual.Feld.Row() << ", " << actual.Feld.Col() << "), expected ("
            << expected.Feld.Row() << ", " << expected.Feld.Col() << ")\n";
    }
    if (!(actual.Label2 == expected.Label2) || actual.SolvedCount != expected.SolvedCount) {
        out << "Label2 \"" << actual.Label2.caption << "\" / SolvedCount " << actual.SolvedCount
            << ", expected \"" << expected.Label2.caption << "\" / " << expected.SolvedCount << '\n';
    }
    return out.str();
}

// Compares whole boards, naming each difference.
#define EXPECT_BOARD_EQ(actual, expected)                                                                    \
    EXPECT_TRUE((actual) == (expected)) << ::zifora::test::Differences((actual), (expected))

} // namespace zifora::test
