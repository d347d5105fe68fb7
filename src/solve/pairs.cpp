// SPDX-License-Identifier: MIT
#include "board/bookkeeping.h"
#include "board/box.h"
#include "solve/steps.h"

#include <cstdint>
#include <string>

namespace zifora {
namespace {

enum class Line : std::uint8_t { Row, Column };

// One row or column of Feld, reached through TextMatrix. Placed cells never take a strike (issue 4):
// a pair gone out of date since a digit was placed would otherwise empty that digit.
class LineUnit {
public:
    LineUnit(Board& board, Line line, int index)
        : m_board(board)
        , m_line(line)
        , m_index(index)
    {
    }

    const std::string& Text(int position) const
    {
        return m_board.Feld.TextMatrix(Row(position), Column(position));
    }
    bool TakesStrike(int position) const
    {
        return IsOpen(m_board.CellState(Row(position), Column(position)));
    }

    void Strike(int position, char first, char second)
    {
        m_scratch.assign(Text(position));
        std::erase(m_scratch, first);
        std::erase(m_scratch, second);
        m_board.Feld.SetTextMatrix(Row(position), Column(position), m_scratch);
    }

private:
    int Row(int position) const { return m_line == Line::Row ? m_index : position; }
    int Column(int position) const { return m_line == Line::Row ? position : m_index; }

    Board& m_board;
    Line m_line;
    int m_index;
    std::string m_scratch;
};

// The nine BoxTexts entries of one box; the grid is not touched. Placed cells have empty entries, which
// a strike leaves empty.
class BoxUnit {
public:
    BoxUnit(SolveTables& tables, int boxRow, int boxColumn)
        : m_tables(tables)
        , m_boxRow(boxRow)
        , m_boxColumn(boxColumn)
    {
    }

    const std::string& Text(int position) const
    {
        return BoxEntry(m_tables, m_boxRow, m_boxColumn, position);
    }
    static bool TakesStrike(int /*position*/) { return true; }

    void Strike(int position, char first, char second)
    {
        std::string& entry = BoxEntry(m_tables, m_boxRow, m_boxColumn, position);
        std::erase(entry, first);
        std::erase(entry, second);
    }

private:
    SolveTables& m_tables;
    int m_boxRow;
    int m_boxColumn;
};

// Texts are compared as whole strings (57 is not 75). Each strike is seen by every later test, the scan
// never goes back, and it goes on past the first partner, so a third equal text is struck by the first
// pair.
template <typename Unit> void ApplyPairRule(Unit& unit)
{
    for (int j = 1; j <= 8; ++j) {
        if (unit.Text(j).size() != 2) {
            continue;
        }
        for (int k = j + 1; k <= 9; ++k) {
            if (unit.Text(k) != unit.Text(j)) {
                continue;
            }
            const char first = unit.Text(j)[0];
            const char second = unit.Text(j)[1];
            for (int m = 1; m <= 9; ++m) {
                if (m != j && m != k && unit.TakesStrike(m)) {
                    unit.Strike(m, first, second);
                }
            }
        }
    }
}

void LinePass(Board& board, Line line)
{
    for (int index = 1; index <= 9; ++index) {
        LineUnit unit(board, line, index);
        ApplyPairRule(unit);
    }
}

void GatherOpenCells(Board& board, SolveTables& tables)
{
    ClearBoxTexts(tables);
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (IsOpen(board.CellState(row, column))) {
                board.Feld.SetCurrent(row, column);
                BoxEntry(tables, row, column).assign(board.Feld.Text());
            }
        }
    }
}

// An entry emptied by a strike is skipped, so its cell keeps the text it had before the box pass; every
// other open cell is rewritten, changed or not.
void WriteBack(Board& board, const SolveTables& tables)
{
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            for (int position = 1; position <= 9; ++position) {
                const std::string& entry = BoxEntry(tables, boxRow, boxColumn, position);
                if (entry.empty()) {
                    continue;
                }
                board.Feld.SetCurrent(
                    RowOfBoxPosition(boxRow, position), ColumnOfBoxPosition(boxColumn, position));
                board.Feld.SetText(entry);
            }
        }
    }
}

void BoxPass(Board& board, SolveTables& tables)
{
    GatherOpenCells(board, tables);
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            BoxUnit unit(tables, boxRow, boxColumn);
            ApplyPairRule(unit);
        }
    }
    WriteBack(board, tables);
}

} // namespace

void PairsStep(Board& board, SolveTables& tables)
{
    LinePass(board, Line::Row);
    MarkSolvedCells(board);
    LinePass(board, Line::Column);
    MarkSolvedCells(board);
    BoxPass(board, tables);
    MarkSolvedCells(board);
}

} // namespace zifora
