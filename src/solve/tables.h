// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace zifora {

// The solving steps' working tables. The window owns them; each step rebuilds what it uses.
struct SolveTables {
    // RowTexts[r] and ColumnTexts[c], r and c in 1..9 (index 0 unused): a line's cell texts joined.
    std::array<std::string, 10> RowTexts;
    std::array<std::string, 10> ColumnTexts;
    // BoxTexts[R][C][p]: box row R and box column C in 0..2, position p in 1..9 (index 0 unused).
    std::array<std::array<std::array<std::string, 10>, 3>, 3> BoxTexts;
};

} // namespace zifora
