// SPDX-License-Identifier: MIT
#include "board/board.h"

namespace zifora {

// The grids as start-up leaves them: nothing changes their shapes, sizes and colours afterwards.
Board::Board()
    : Feld(kFeldBounds, 10, 10, 1, 1)
    , Gruppe(kGruppeBounds, 3, 3, 0, 0)
{
    Feld.SetColWidthAll(kFeldCellWidth);
    Feld.SetRowHeightAll(kFeldCellHeight);
    Feld.SetBackColorFixed(Colour::Green);
    Gruppe.SetColWidthAll(kGruppeCellWidth);
    Gruppe.SetRowHeightAll(kGruppeCellHeight);
    Gruppe.SetColAlignmentAll(Alignment::Center);
    Gruppe.SetBackColor(Colour::Green);
}

} // namespace zifora
