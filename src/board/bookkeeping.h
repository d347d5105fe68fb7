// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"

namespace zifora {

// Rewrites the missing digits of every row, column and box from the placed cells, recounts SolvedCount
// and shows it (or "OK" on red at 81) in Label2. Touches no board cell and not the current cell.
void UpdateMissing(Board& board);

// Runs UpdateMissing, then gives every open cell the digits missing from its row, column and box at once.
void ComputeCandidates(Board& board);

// Places every open cell whose text is exactly one character (trial code in trial mode), then runs
// UpdateMissing. Leaves the current cell on the last open cell it visited.
void MarkSolvedCells(Board& board);

} // namespace zifora
