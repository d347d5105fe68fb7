// SPDX-License-Identifier: MIT
#pragma once

#include "board/box.h"
#include "solve/tables.h"

#include <string>
#include <string_view>

namespace zifora {

inline bool Contains(std::string_view text, char digit)
{
    return text.find(digit) != std::string_view::npos;
}

// True when digit is found and a second search, one character after the first match, finds nothing.
inline bool OccursOnce(std::string_view text, char digit)
{
    const std::size_t first = text.find(digit);
    return first != std::string_view::npos && text.find(digit, first + 1) == std::string_view::npos;
}

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
