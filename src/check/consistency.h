// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"

#include <string>

namespace zifora {

// Runs UpdateMissing, then returns the report of empty cells and of rows, columns and boxes holding a digit
// twice, one line each ending in CR LF, or "Keine Fehler!" when there is nothing to report.
std::string ConsistencyReport(Board& board);

} // namespace zifora
