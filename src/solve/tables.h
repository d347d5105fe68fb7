// SPDX-License-Identifier: MIT
#pragma once

#include "board/box.h"

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

// Entry position of box (boxRow, boxColumn) in BoxTexts.
inline std::string& BoxEntry(SolveTables& tables, int boxRow, int boxColumn, int position)
{
    return tables.BoxTexts[static_cast<std::size_t>(boxRow)][static_cast<std::size_t>(boxColumn)]
                          [static_cast<std::size_t>(position)];
}

inline const std::string& BoxEntry(const SolveTables& tables, int boxRow, int boxColumn, int position)
{
    return tables.BoxTexts[static_cast<std::size_t>(boxRow)][static_cast<std::size_t>(boxColumn)]
                          [static_cast<std::size_t>(position)];
}

// The entry of board cell (row, column).
inline std::string& BoxEntry(SolveTables& tables, int row, int column)
{
    return BoxEntry(tables, BoxRow(row), BoxColumn(column), BoxPosition(row, column));
}

// Empties all 81 entries; the strings keep their storage for the next fill.
inline void ClearBoxTexts(SolveTables& tables)
{
    for (auto& boxRow : tables.BoxTexts) {
        for (auto& box : boxRow) {
            for (std::string& entry : box) {
                entry.clear();
            }
        }
    }
}

} // namespace zifora
