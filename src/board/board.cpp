// SPDX-License-Identifier: MIT
#include "board/board.h"

namespace zifora {

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
