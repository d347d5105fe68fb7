// SPDX-License-Identifier: MIT
#include "board/grid.h"

#include <cassert>

namespace zifora {

Grid::Grid(TwipRect bounds, int rows, int cols, int fixedRows, int fixedColumns)
    : m_bounds(bounds)
    , m_rows(rows)
    , m_cols(cols)
    , m_fixedRows(fixedRows)
    , m_fixedCols(fixedColumns)
    , m_row(fixedRows)
    , m_col(fixedColumns)
{
    assert(rows > fixedRows && rows <= kMaxSize && cols > fixedColumns && cols <= kMaxSize);
}

void Grid::SetCurrent(int row, int column)
{
    assert(row >= m_fixedRows && column >= m_fixedCols);
    m_row = row;
    m_col = column;
}

void Grid::SetCellLook(const LookChange& change)
{
    CellLook& cell = CurrentLook();
    cell.back = change.back;
    cell.weight = change.weight.value_or(cell.weight);
    cell.align = change.align;
}

void Grid::Clear()
{
    for (auto& line : m_cells) {
        for (auto& cell : line) {
            cell.text.clear();
            cell.look = CellLook {};
        }
    }
}

CellLook Grid::ShownLook(int row, int column) const
{
    const bool fixed = row < m_fixedRows || column < m_fixedCols;
    CellLook look = Look(row, column);
    if (look.back == Colour::Default) {
        look.back = fixed ? m_backColorFixed : m_backColor;
    }
    if (look.align == Alignment::Default) {
        look.align = fixed ? m_fixedAlignment : m_colAlignment;
    }
    return look;
}

} // namespace zifora
