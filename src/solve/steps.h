// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "solve/tables.h"

namespace zifora {

// Places the digits that have a single possible cell in a row or column (as the texts stood when the
// click began) or in a box, calling MarkSolvedCells after every placement.
void SinglesStep(Board& board, SolveTables& tables);

// Strikes the two digits of every pair of equal two-digit texts from the rest of its row, column and box,
// calling MarkSolvedCells after each of the three passes.
void PairsStep(Board& board, SolveTables& tables);

} // namespace zifora
