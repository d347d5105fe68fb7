// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"

#include <string>

namespace zifora {

// Runs UpdateMissing, then returns the report of empty cells and of lines holding a digit twice,
// or "Keine Fehler!" when there is nothing to report.
std::string ConsistencyReport(Board& board);

} // namespace zifora
