// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"

#include <array>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

// Boards in tests are nine rows of nine cells separated by one space, so that a test shows the position it
// checks. A cell is "." (open, empty), "?7" (open with the one character 7), "57" (open with that text),
// "5" (placed, normal look), "5*" (placed by a step: cyan, bold, centred), "5+" (trial: magenta, bold,
// centred) or "_" (placed with an empty text). A look the notation has no name for prints as "!".
namespace zifora::test {

using Rows = std::array<std::string, 9>;

inline const CellLook kSolvedLook {Colour::Cyan, Weight::Bold, Alignment::Center};
inline const CellLook kTrialLook {Colour::Magenta, Weight::Bold, Alignment::Center};

// rows with row (1..9) replaced by text.
inline Rows Replaced(Rows rows, std::size_t row, std::string text)
{
    rows[row - 1] = std::move(text);
    return rows;
}

inline Board BoardFromRows(const Rows& rows)
{
    Board board;
    for (int row = 1; row <= 9; ++row) {
        std::istringstream tokens(rows[static_cast<std::size_t>(row - 1)]);
        for (int column = 1; column <= 9; ++column) {
            std::string token;
            if (!(tokens >> token)) {
                throw std::invalid_argument("row " + std::to_string(row) + " has fewer than nine cells");
            }
            const char mark = token.back();
            board.CellState(row, column) = mark == '+' ? kTrial
                : token.size() == 1 || mark == '*'     ? kPlaced
                                                       : kOpen;
            if (mark == '*' || mark == '+') {
                board.Feld.SetCurrent(row, column);
                board.Feld.SetCellLook(mark == '*' ? kPlacedLook : kTrialPlacementLook);
                token.pop_back();
            }
            board.CellState(row, column) = token == "." ? kOpen : board.CellState(row, column);
            board.Feld.SetTextMatrix(
                row, column, token == "." || token == "_" ? "" : token.substr(token[0] == '?'));
        }
    }
    board.Feld.SetCurrent(1, 1);
    return board;
}

inline std::string CellText(const Board& board, int row, int column)
{
    const std::string& text = board.Feld.TextMatrix(row, column);
    const CellLook& look = board.Feld.Look(row, column);
    if (IsOpen(board.CellState(row, column))) {
        return (text.empty() ? "." : text.size() == 1 ? "?" + text : text) + (look == CellLook {} ? "" : "!");
    }
    std::string cell = text.empty() ? "_" : text;
    if (board.CellState(row, column) == kTrial) {
        return cell + (look == kTrialLook ? "+" : "+!");
    }
    return cell + (look == CellLook {} ? "" : look == kSolvedLook ? "*" : "!");
}

inline Rows RowsOf(const Board& board)
{
    Rows rows;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            rows[static_cast<std::size_t>(row - 1)] += (column > 1 ? " " : "") + CellText(board, row, column);
        }
    }
    return rows;
}

// A summary by name: "r4" the missing digits of row 4, "c9" of column 9, "b12" of box row 1, box column 2.
inline std::string Summary(const Board& board, const std::string& name)
{
    const int index = name[1] - '0';
    if (name[0] == 'b') {
        return board.Gruppe.TextMatrix(index, name[2] - '0');
    }
    return name[0] == 'r' ? board.Feld.TextMatrix(index, 0) : board.Feld.TextMatrix(0, index);
}

} // namespace zifora::test
