// SPDX-License-Identifier: MIT
#include "board/grid.h"

#include <cassert>

namespace zifora {

Grid::Grid(TwipRect bounds, int fixedRows, int fixedColumns)
    : m_bounds(bounds)
    , m_fixedRows(fixedRows)
    , m_fixedCols(fixedColumns)
    , m_row(fixedRows)
    , m_col(fixedColumns)
{
}

void Grid::SetRows(int rows)
{
    assert(rows > m_fixedRows && rows <= kMaxSize);
    m_rows = rows;
}

void Grid::SetCols(int cols)
{
    assert(cols > m_fixedCols && cols <= kMaxSize);
    m_cols = cols;
}

void Grid::SetCurrent(int row, int column)
{
    assert(row >= m_fixedRows && column >= m_fixedCols);
    m_row = row;
    m_col = column;
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

} // namespace zifora
