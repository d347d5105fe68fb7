// SPDX-License-Identifier: MIT
#include "board/bookkeeping.h"
#include "board/box.h"
#include "board/digits.h"
#include "solve/steps.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zifora {
namespace {

// True when digit is found and a second search, one character after the first match, finds nothing.
bool OccursOnce(std::string_view text, char digit)
{
    const std::size_t first = text.find(digit);
    return first != std::string_view::npos && text.find(digit, first + 1) == std::string_view::npos;
}

// The digits 1..9 that occur exactly once in a text, one bit each; other characters are left out.
std::uint16_t DigitsOccurringOnce(std::string_view text)
{
    std::uint16_t seen = 0;
    std::uint16_t repeated = 0;
    for (const char character : text) {
        if (IsDigit(character)) {
            const auto bit = static_cast<std::uint16_t>(1U << DigitValue(character));
            repeated |= seen & bit;
            seen |= bit;
        }
    }
    return seen & ~repeated;
}

// The lines as they stood when the click began; phase 1 tests against these and never refreshes them, so
// a placement does not make another digit unique within the same click. The masks answer the hundreds of
// uniqueness tests of a click without searching the joined texts again.
struct CapturedLines {
    std::array<std::uint16_t, 10> rowOnce {};
    std::array<std::uint16_t, 10> columnOnce {};
};

bool UniqueIn(std::uint16_t once, std::string_view joined, char digit)
{
    if (IsDigit(digit)) {
        return (once >> DigitValue(digit) & 1U) != 0;
    }
    return OccursOnce(joined, digit);
}

CapturedLines CaptureLines(const Board& board, SolveTables& tables)
{
    CapturedLines lines;
    ClearBoxTexts(tables);
    for (int row = 1; row <= 9; ++row) {
        std::string& joined = tables.RowTexts[static_cast<std::size_t>(row)];
        joined.clear();
        for (int column = 1; column <= 9; ++column) {
            joined += board.Feld.TextMatrix(row, column);
        }
        lines.rowOnce[static_cast<std::size_t>(row)] = DigitsOccurringOnce(joined);
    }
    for (int column = 1; column <= 9; ++column) {
        std::string& joined = tables.ColumnTexts[static_cast<std::size_t>(column)];
        joined.clear();
        for (int row = 1; row <= 9; ++row) {
            joined += board.Feld.TextMatrix(row, column);
        }
        lines.columnOnce[static_cast<std::size_t>(column)] = DigitsOccurringOnce(joined);
    }
    return lines;
}

void Place(Board& board, int row, int column, char digit)
{
    board.Feld.SetTextMatrix(row, column, std::string_view(&digit, 1));
    MarkSolvedCells(board);
}

// Tests every digit of the cell's text as it was when the visit began, even after the cell has been
// given a digit: a digit unique in both lines is written twice, and of two different unique digits the
// later one stays as the text.
void VisitOpenCell(
    Board& board, SolveTables& tables, const CapturedLines& lines, int row, int column, std::string& text)
{
    board.Feld.SetCurrent(row, column);
    text.assign(board.Feld.Text());
    BoxEntry(tables, row, column).assign(text);
    const auto rowIndex = static_cast<std::size_t>(row);
    const auto columnIndex = static_cast<std::size_t>(column);
    for (const char digit : text) {
        if (UniqueIn(lines.rowOnce[rowIndex], tables.RowTexts[rowIndex], digit)) {
            Place(board, row, column, digit);
        }
        if (UniqueIn(lines.columnOnce[columnIndex], tables.ColumnTexts[columnIndex], digit)) {
            Place(board, row, column, digit);
        }
    }
}

void RowsAndColumns(Board& board, SolveTables& tables, const CapturedLines& lines)
{
    std::string text;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (IsOpen(board.CellState(row, column))) {
                VisitOpenCell(board, tables, lines, row, column, text);
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
    const CapturedLines lines = CaptureLines(board, tables);
    RowsAndColumns(board, tables, lines);
    Boxes(board, tables);
}

} // namespace zifora
