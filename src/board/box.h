// SPDX-License-Identifier: MIT
#pragma once

namespace zifora {

// Board rows and columns run 1..9; box rows, box columns 0..2; positions within a box 1..9, row by row.

constexpr int BoxRow(int row)
{
    return (row - 1) / 3;
}

constexpr int BoxColumn(int column)
{
    return (column - 1) / 3;
}

constexpr int BoxPosition(int row, int column)
{
    return ((row - 1) % 3) * 3 + ((column - 1) % 3) + 1;
}

constexpr int RowOfBoxPosition(int boxRow, int position)
{
    return 3 * boxRow + (position - 1) / 3 + 1;
}

constexpr int ColumnOfBoxPosition(int boxColumn, int position)
{
    return 3 * boxColumn + (position - 1) % 3 + 1;
}

} // namespace zifora
