// SPDX-License-Identifier: MIT
#include "window/form.h"

#include "board/bookkeeping.h"

namespace zifora {

void Form1::Feld_EnterCell(int row, int column)
{
    Grid& feld = m_state.board.Feld;
    if (feld.Row() == row && feld.Col() == column) {
        return;
    }
    feld.SetCurrent(row, column);
    EnterCell();
}

void Form1::EnterCell() { }

void Form1::wahl_Click(int /*index*/) { }

void Form1::Check1_Click() { }

void Form1::Reset_Click() { }

void Form1::TestOK_Click() { }

} // namespace zifora
