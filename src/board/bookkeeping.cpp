// SPDX-License-Identifier: MIT
#include "board/bookkeeping.h"

#include "board/box.h"
#include "board/digits.h"

#include <array>
#include <string>
#include <string_view>

namespace zifora {
namespace {

// The digits 1..9 whose character does not occur in any of the collected texts, in ascending order.
class MissingDigits {
public:
    void Collect(std::string_view text)
    {
        for (char character : text) {
            if (IsDigit(character)) {
                m_present[Index(DigitValue(character))] = true;
            }
        }
    }

    std::string_view Text()
    {
        std::size_t length = 0;
        for (int value = 1; value <= 9; ++value) {
            if (!m_present[Index(value)]) {
                m_text[length++] = DigitCharacter(value);
            }
        }
        return {m_text.data(), length};
    }

private:
    static std::size_t Index(int value) { return static_cast<std::size_t>(value - 1); }

    std::array<bool, 9> m_present {};
    std::array<char, 9> m_text {};
};

} // namespace

void UpdateMissing(Board& board)
{
    board.SolvedCount = 0;
    for (int row = 1; row <= 9; ++row) {
        MissingDigits missing;
        for (int column = 1; column <= 9; ++column) {
            if (IsPlaced(board.CellState(row, column))) {
                ++board.SolvedCount;
                missing.Collect(board.Feld.TextMatrix(row, column));
            }
        }
        board.Feld.SetTextMatrix(row, 0, missing.Text());
    }
    for (int column = 1; column <= 9; ++column) {
        MissingDigits missing;
        for (int row = 1; row <= 9; ++row) {
            if (IsPlaced(board.CellState(row, column))) {
                missing.Collect(board.Feld.TextMatrix(row, column));
            }
        }
        board.Feld.SetTextMatrix(0, column, missing.Text());
    }
    for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
        for (int boxRow = 0; boxRow < 3; ++boxRow) {
            MissingDigits missing;
            for (int position = 1; position <= 9; ++position) {
                const int row = RowOfBoxPosition(boxRow, position);
                const int column = ColumnOfBoxPosition(boxColumn, position);
                if (IsPlaced(board.CellState(row, column))) {
                    missing.Collect(board.Feld.TextMatrix(row, column));
                }
            }
            board.Gruppe.SetTextMatrix(boxRow, boxColumn, missing.Text());
        }
    }
    if (board.SolvedCount == 81) {
        // The red stays when a later count drops below 81; only a load takes it away.
        board.Label2.back = Colour::Red;
        board.Label2.caption = "OK";
    } else {
        board.Label2.caption = std::to_string(board.SolvedCount);
    }
}

void ComputeCandidates(Board& board)
{
    UpdateMissing(board);
    std::string candidates;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (IsPlaced(board.CellState(row, column))) {
                continue;
            }
            const std::string& rowMissing = board.Feld.TextMatrix(row, 0);
            const std::string& columnMissing = board.Feld.TextMatrix(0, column);
            const std::string& boxMissing = board.Gruppe.TextMatrix(BoxRow(row), BoxColumn(column));
            candidates.clear();
            for (char digit : rowMissing) {
                if (Contains(columnMissing, digit) && Contains(boxMissing, digit)) {
                    candidates += digit;
                }
            }
            board.Feld.SetTextMatrix(row, column, candidates);
        }
    }
}

void MarkSolvedCells(Board& board)
{
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (IsPlaced(board.CellState(row, column))) {
                continue;
            }
            board.Feld.SetCurrent(row, column);
            if (board.Feld.Text().size() != 1) {
                continue;
            }
            board.Feld.SetCellLook(board.TestMode ? kTrialPlacementLook : kPlacedLook);
            board.CellState(row, column) = board.TestMode ? kTrial : kPlaced;
        }
    }
    UpdateMissing(board);
}

} // namespace zifora
