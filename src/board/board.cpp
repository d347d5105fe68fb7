// SPDX-License-Identifier: MIT
#include "board/board.h"

#include <cassert>

namespace zifora {

std::size_t CellStateTable::Index(int row, int column)
{
    assert(row >= 1 && row <= 9 && column >= 1 && column <= 9);
    return static_cast<std::size_t>(row - 1) * 9 + static_cast<std::size_t>(column - 1);
}

Board::Board()
    : Feld(kFeldBounds, 1, 1)
    , Gruppe(kGruppeBounds, 0, 0)
{
    Feld.SetColWidthAll(kFeldCellWidth);
    Feld.SetRowHeightAll(kFeldCellHeight);
    Gruppe.SetRows(3);
    Gruppe.SetCols(3);
}

} // namespace zifora
