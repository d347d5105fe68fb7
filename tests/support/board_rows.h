// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"

#include <array>
#include <sstream>
#include <stdexcept>
#include <string>

namespace zifora::test {

// Fills the board cells from nine rows of nine whitespace-separated tokens, so that a test shows the position
// it checks: "5" is a placed digit (code 0), "57" an open cell with that text, "." an open cell with an empty
// text, "?7" an open cell whose text is the single character 7.
inline void SetRows(Board& board, const std::array<std::string, 9>& rows)
{
    for (int row = 1; row <= 9; ++row) {
        std::istringstream tokens(rows[static_cast<std::size_t>(row - 1)]);
        for (int column = 1; column <= 9; ++column) {
            std::string token;
            if (!(tokens >> token)) {
                throw std::invalid_argument("row " + std::to_string(row) + " has fewer than nine cells");
            }
            if (token == ".") {
                token.clear();
                board.CellState(row, column) = kOpen;
            } else if (token.size() == 1) {
                board.CellState(row, column) = kPlaced;
            } else {
                if (token.front() == '?') {
                    token.erase(0, 1);
                }
                board.CellState(row, column) = kOpen;
            }
            board.Feld.SetTextMatrix(row, column, token);
        }
    }
}

// A complete, valid board.
inline const std::array<std::string, 9> kCompleteBoard {
    "5 3 4 6 7 8 9 1 2",
    "6 7 2 1 9 5 3 4 8",
    "1 9 8 3 4 2 5 6 7",
    "8 5 9 7 6 1 4 2 3",
    "4 2 6 8 5 3 7 9 1",
    "7 1 3 9 2 4 8 5 6",
    "9 6 1 5 3 7 2 8 4",
    "2 8 7 4 1 9 6 3 5",
    "3 4 5 2 8 6 1 7 9",
};

inline Board BoardFromRows(const std::array<std::string, 9>& rows)
{
    Board board;
    SetRows(board, rows);
    return board;
}

// A board with every cell open and empty.
inline Board OpenBoard()
{
    Board board;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            board.CellState(row, column) = kOpen;
        }
    }
    return board;
}

} // namespace zifora::test
