// SPDX-License-Identifier: MIT
#pragma once

#include "board/layout.h"
#include "board/looks.h"

#include <array>
#include <cassert>
#include <string>
#include <string_view>

namespace zifora {

// A text matrix with per-cell looks and one current cell: the stand-in for the window's grid control.
// Fixed (header) rows and columns come first; the current cell is never a fixed cell.
class Grid {
public:
    static constexpr int kMaxSize = 10;

    // A grid of rows x cols cells, the first fixedRows rows and fixedColumns columns fixed; both at most
    // kMaxSize. The current cell starts on the first cell that is not fixed.
    Grid(TwipRect bounds, int rows, int cols, int fixedRows, int fixedColumns);

    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    int FixedRows() const { return m_fixedRows; }
    int FixedCols() const { return m_fixedCols; }

    const std::string& TextMatrix(int row, int column) const { return At(row, column).text; }
    void SetTextMatrix(int row, int column, std::string_view text) { At(row, column).text.assign(text); }
    const CellLook& Look(int row, int column) const { return At(row, column).look; }
    // The look the cell is shown in: where its own look leaves the colour or the alignment to the grid, the
    // grid's for fixed cells or for the others.
    CellLook ShownLook(int row, int column) const;

    int Row() const { return m_row; }
    int Col() const { return m_col; }
    // Makes (row, column) the current cell, the row before the column.
    void SetCurrent(int row, int column);
    const std::string& Text() const { return TextMatrix(m_row, m_col); }
    void SetText(std::string_view text) { SetTextMatrix(m_row, m_col, text); }
    // Changes the current cell's look: its background, its weight where the change has one, its alignment.
    void SetCellLook(const LookChange& change);

    // Empties every text and returns every cell, the fixed ones included, to the normal look; the shape and
    // the grid-wide settings stay.
    void Clear();

    // Grid-wide settings ("all" rows or columns at once).
    Colour BackColor() const { return m_backColor; }
    void SetBackColor(Colour colour) { m_backColor = colour; }
    Colour BackColorFixed() const { return m_backColorFixed; }
    void SetBackColorFixed(Colour colour) { m_backColorFixed = colour; }
    Alignment ColAlignment() const { return m_colAlignment; }
    void SetColAlignmentAll(Alignment align) { m_colAlignment = align; }
    Alignment FixedAlignment() const { return m_fixedAlignment; }
    void SetFixedAlignmentAll(Alignment align) { m_fixedAlignment = align; }
    int ColWidth() const { return m_colWidth; }
    void SetColWidthAll(int twips) { m_colWidth = twips; }
    int RowHeight() const { return m_rowHeight; }
    void SetRowHeightAll(int twips) { m_rowHeight = twips; }

    const TwipRect& Bounds() const { return m_bounds; }

    friend bool operator==(const Grid&, const Grid&) = default;

private:
    struct Cell {
        std::string text;
        CellLook look;
        friend bool operator==(const Cell&, const Cell&) = default;
    };

    CellLook& CurrentLook() { return At(m_row, m_col).look; }
    Cell& At(int row, int column)
    {
        assert(row >= 0 && row < m_rows && column >= 0 && column < m_cols);
        return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    const Cell& At(int row, int column) const
    {
        assert(row >= 0 && row < m_rows && column >= 0 && column < m_cols);
        return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }

    std::array<std::array<Cell, kMaxSize>, kMaxSize> m_cells {};
    TwipRect m_bounds;
    int m_rows;
    int m_cols;
    int m_fixedRows;
    int m_fixedCols;
    int m_row;
    int m_col;
    Colour m_backColor = Colour::Default;
    Colour m_backColorFixed = Colour::Default;
    Alignment m_colAlignment = Alignment::Default;
    Alignment m_fixedAlignment = Alignment::Default;
    int m_colWidth = 0;
    int m_rowHeight = 0;
};

} // namespace zifora
