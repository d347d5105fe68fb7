// SPDX-License-Identifier: MIT
#include "board/bookkeeping.h"
#include "board/box.h"
#include "solve/steps.h"
#include "solve/unit_text.h"

#include <string>
#include <string_view>

namespace zifora {
namespace {

// Captures every line's joined texts as they stand now; phase 1 tests against these and never refreshes
// them, so a placement does not make another digit unique within the same click.
void CaptureLines(const Board& board, SolveTables& tables)
{
    ClearBoxTexts(tables);
    for (int row = 1; row <= 9; ++row) {
        std::string& joined = tables.RowTexts[static_cast<std::size_t>(row)];
        joined.clear();
        for (int column = 1; column <= 9; ++column) {
            joined += board.Feld.TextMatrix(row, column);
        }
    }
    for (int column = 1; column <= 9; ++column) {
        std::string& joined = tables.ColumnTexts[static_cast<std::size_t>(column)];
        joined.clear();
        for (int row = 1; row <= 9; ++row) {
            joined += board.Feld.TextMatrix(row, column);
        }
    }
}

void Place(Board& board, int row, int column, char digit)
{
    board.Feld.SetTextMatrix(row, column, std::string_view(&digit, 1));
    MarkSolvedCells(board);
}

// Tests every digit of the cell's text as it was when the visit began, even after the cell has been
// given a digit: a digit unique in both lines is written twice, and of two different unique digits the
// later one stays as the text.
void VisitOpenCell(Board& board, SolveTables& tables, int row, int column, std::string& text)
{
    board.Feld.SetCurrent(row, column);
    text.assign(board.Feld.Text());
    BoxEntry(tables, row, column).assign(text);
    const std::string_view rowText = tables.RowTexts[static_cast<std::size_t>(row)];
    const std::string_view columnText = tables.ColumnTexts[static_cast<std::size_t>(column)];
    for (const char digit : text) {
        if (OccursOnce(rowText, digit)) {
            Place(board, row, column, digit);
        }
        if (OccursOnce(columnText, digit)) {
            Place(board, row, column, digit);
        }
    }
}

void RowsAndColumns(Board& board, SolveTables& tables)
{
    std::string text;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (IsOpen(board.CellState(row, column))) {
                VisitOpenCell(board, tables, row, column, text);
            }
        }
    }
}

// The single position of the box whose cell is still open and whose entry holds digit, or 0 when there
// are none or several. A cell placed since its entry was taken no longer counts.
int SinglePosition(const Board& board, const SolveTables& tables, int boxRow, int boxColumn, char digit)
{
    int count = 0;
    int found = 0;
    for (int position = 1; position <= 9; ++position) {
        const std::string& entry = BoxEntry(tables, boxRow, boxColumn, position);
        const int row = RowOfBoxPosition(boxRow, position);
        const int column = ColumnOfBoxPosition(boxColumn, position);
        if (!entry.empty() && IsOpen(board.CellState(row, column)) && Contains(entry, digit)) {
            ++count;
            found = position;
        }
    }
    return count == 1 ? found : 0;
}

// Walks the box's missing digits as read once, although each placement rewrites them meanwhile.
void Boxes(Board& board, const SolveTables& tables)
{
    std::string missing;
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            missing.assign(board.Gruppe.TextMatrix(boxRow, boxColumn));
            for (const char digit : missing) {
                const int position = SinglePosition(board, tables, boxRow, boxColumn, digit);
                if (position == 0) {
                    continue;
                }
                board.Feld.SetCurrent(
                    RowOfBoxPosition(boxRow, position), ColumnOfBoxPosition(boxColumn, position));
                board.Feld.SetText(std::string_view(&digit, 1));
                MarkSolvedCells(board);
            }
        }
    }
}

} // namespace

void SinglesStep(Board& board, SolveTables& tables)
{
    CaptureLines(board, tables);
    RowsAndColumns(board, tables);
    Boxes(board, tables);
}

} // namespace zifora
