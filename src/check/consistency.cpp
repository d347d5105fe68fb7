// SPDX-License-Identifier: MIT
#include "check/consistency.h"

#include "board/bookkeeping.h"
#include "board/box.h"
#include "board/digits.h"

#include <cstddef>
#include <string_view>

namespace zifora {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The missing string was just rebuilt from the same placed cells, so 9 minus its length is the number of
// different digits among them; with one digit per placed cell it differs from the number of characters
// exactly when a digit stands twice. Two repeated digits still give one finding.
bool HoldsRepeat(std::string_view missing, std::size_t placedCharacters)
{
    return missing.size() + placedCharacters != 9;
}

std::size_t PlacedLength(const Board& board, int row, int column)
{
    return IsPlaced(board.CellState(row, column)) ? board.Feld.TextMatrix(row, column).size() : 0;
}

void AppendFinding(std::string& report, std::string_view what, int index)
{
    report += what;
    report += DigitCharacter(index);
    report += " doppel";
    report += kLineBreak;
}

// Empty cells are looked for here, whatever their code, and each row's come before its repeat finding.
void CheckRows(const Board& board, std::string& report)
{
    for (int row = 1; row <= 9; ++row) {
        std::size_t placed = 0;
        for (int column = 1; column <= 9; ++column) {
            if (board.Feld.TextMatrix(row, column).empty()) {
                report += "Fehler: Feld leer ";
                report += DigitCharacter(row);
                report += " | ";
                report += DigitCharacter(column);
                report += kLineBreak;
            }
            placed += PlacedLength(board, row, column);
        }
        if (HoldsRepeat(board.Feld.TextMatrix(row, 0), placed)) {
            AppendFinding(report, "Fehler: Reihe ", row);
        }
    }
}

void CheckColumns(const Board& board, std::string& report)
{
    for (int column = 1; column <= 9; ++column) {
        std::size_t placed = 0;
        for (int row = 1; row <= 9; ++row) {
            placed += PlacedLength(board, row, column);
        }
        if (HoldsRepeat(board.Feld.TextMatrix(0, column), placed)) {
            AppendFinding(report, "Fehler: Spalte ", column);
        }
    }
}

// Boxes are numbered row by row, 1 top left to 9 bottom right (issue 4: a digit twice in one box, in
// different rows and columns, was otherwise reported as no error).
void CheckBoxes(const Board& board, std::string& report)
{
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            std::size_t placed = 0;
            for (int position = 1; position <= 9; ++position) {
                placed += PlacedLength(
                    board, RowOfBoxPosition(boxRow, position), ColumnOfBoxPosition(boxColumn, position));
            }
            if (HoldsRepeat(board.Gruppe.TextMatrix(boxRow, boxColumn), placed)) {
                AppendFinding(report, "Fehler: Block ", 3 * boxRow + boxColumn + 1);
            }
        }
    }
}

} // namespace

std::string ConsistencyReport(Board& board)
{
    UpdateMissing(board);
    std::string report;
    CheckRows(board, report);
    CheckColumns(board, report);
    CheckBoxes(board, report);
    return report.empty() ? std::string("Keine Fehler!") : report;
}

} // namespace zifora
