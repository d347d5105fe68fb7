// SPDX-License-Identifier: MIT
// Manual play: the candidate list wahl over the entered cell, the digit choice, and trial mode with its
// accept ("Ubernahme") and discard ("Reset") buttons.
#include "board/bookkeeping.h"
#include "board/digits.h"
#include "window/form.h"

#include <algorithm>

namespace zifora {
namespace {

bool IsBoardCell(int row, int column)
{
    return row >= 1 && row <= 9 && column >= 1 && column <= 9;
}

// Puts the list's top-left corner on the cell's, allowing for one grid line per row and column before it.
void PlaceOverCell(ListBox& wahl, const Grid& feld, int row, int column)
{
    const TwipRect& grid = feld.Bounds();
    wahl.bounds.left = grid.left + column * (feld.ColWidth() + kGridLineTwips);
    wahl.bounds.top = grid.top + row * (feld.RowHeight() + kGridLineTwips);
    wahl.bounds.height = static_cast<int>(wahl.items.size()) * kWahlItemHeight;
}

} // namespace

void Form1::Feld_EnterCell(int row, int column)
{
    Grid& feld = m_state.board.Feld;
    // The headers cannot be selected; a move there (or off the board) is not a move at all.
    if (!IsBoardCell(row, column) || (feld.Row() == row && feld.Col() == column)) {
        return;
    }
    feld.SetCurrent(row, column);
    EnterCell();
}

void Form1::EnterCell()
{
    const Board& board = m_state.board;
    if (!board.TestMode) {
        return;
    }
    ListBox& wahl = m_state.wahl;
    const Grid& feld = board.Feld;
    const int row = feld.Row();
    const int column = feld.Col();
    wahl.items.clear();
    wahl.items.emplace_back();
    for (const char character : feld.Text()) {
        wahl.items.emplace_back(1, character);
    }
    m_listCell = CellRef {row, column};
    if (IsPlaced(board.CellState(row, column))) {
        wahl.visible = false;
        return;
    }
    PlaceOverCell(wahl, feld, row, column);
    wahl.visible = true;
}

void Form1::Feld_KeyPress(char key)
{
    const Grid& feld = m_state.board.Feld;
    if (key == '\r' || key == ' ') {
        Feld_Click(feld.Row(), feld.Col());
        return;
    }
    const ListBox& wahl = m_state.wahl;
    if (!m_state.board.TestMode || !ListOfCurrentCell() || !IsDigit(key)) {
        return;
    }
    // Entry 0 is the empty one, which no key types.
    const auto entry = std::find(wahl.items.begin() + 1, wahl.items.end(), std::string(1, key));
    if (entry != wahl.items.end()) {
        wahl_Click(static_cast<int>(entry - wahl.items.begin()));
    }
}

bool Form1::ListOfCurrentCell() const
{
    const Grid& feld = m_state.board.Feld;
    return m_state.wahl.visible && m_listCell == CellRef {feld.Row(), feld.Col()};
}

void Form1::Feld_Click(int row, int column)
{
    const Grid& feld = m_state.board.Feld;
    if (!m_state.board.TestMode || row != feld.Row() || column != feld.Col()) {
        return;
    }
    if (!m_state.wahl.visible || m_listCell != CellRef {row, column}) {
        EnterCell();
    }
}

void Form1::Form_Escape()
{
    m_state.wahl.visible = false;
}

void Form1::wahl_Click(int index)
{
    Board& board = m_state.board;
    ListBox& wahl = m_state.wahl;
    // A hidden list cannot be clicked, and outside trial mode the list is always hidden; the checks stand
    // here for callers that do not go through the widget (and for an index the list never had).
    if (!board.TestMode || !wahl.visible || !m_listCell || index < 0
        || static_cast<std::size_t>(index) >= wahl.items.size()) {
        return;
    }
    // The choice belongs to the cell the list was shown for, wherever MarkSolvedCells left the current cell.
    const auto [row, column] = *m_listCell;
    if (board.CellState(row, column) == kPlaced) {
        wahl.visible = false;
        return;
    }
    board.Feld.SetCurrent(row, column);
    if (index == 0) {
        wahl.visible = false;
    } else {
        board.Feld.SetCellLook(kTrialChoiceLook);
        board.CellState(row, column) = kTrial;
        board.Feld.SetText(wahl.items[static_cast<std::size_t>(index)]);
    }
    MarkSolvedCells(board);
}

void Form1::Check1_Click()
{
    SetTrialMode(!m_state.board.TestMode);
}

void Form1::SetTrialMode(bool on)
{
    m_state.board.TestMode = on;
    // A list left open would place digits outside trial mode.
    if (!on) {
        m_state.wahl.visible = false;
    }
}

void Form1::Reset_Click()
{
    if (!m_state.Enabled(m_state.Reset)) {
        return;
    }
    Board& board = m_state.board;
    Grid& feld = board.Feld;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (board.CellState(row, column) == kPlaced) {
                continue;
            }
            feld.SetCurrent(row, column);
            feld.SetCellLook(kDiscardedLook);
            feld.SetText("");
            board.CellState(row, column) = kOpen;
        }
    }
    ComputeCandidates(board);
}

void Form1::TestOK_Click()
{
    if (!m_state.Enabled(m_state.TestOK)) {
        return;
    }
    Board& board = m_state.board;
    Grid& feld = board.Feld;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (board.CellState(row, column) != kTrial) {
                continue;
            }
            feld.SetCurrent(row, column);
            feld.SetCellLook(kAcceptedLook);
            board.CellState(row, column) = kPlaced;
        }
    }
    // Accepting counts no cell anew: this changes only the start-up board's summaries, still empty then.
    UpdateMissing(board);
}

} // namespace zifora
