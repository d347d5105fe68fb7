// SPDX-License-Identifier: MIT
#pragma once

#include "board/grid.h"
#include "board/looks.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <string>

namespace zifora {

// Cell-state codes. A cell counts as placed below kOpen, trial placements included.
constexpr std::int16_t kPlaced = 0;
constexpr std::int16_t kTrial = 1;
constexpr std::int16_t kOpen = 2;

constexpr bool IsPlaced(std::int16_t code)
{
    return code < kOpen;
}
constexpr bool IsOpen(std::int16_t code)
{
    return code >= kOpen;
}

// The 9 x 9 codes, addressed (row, column) with both in 1..9.
class CellStateTable {
public:
    std::int16_t operator()(int row, int column) const { return m_codes[Index(row, column)]; }
    std::int16_t& operator()(int row, int column) { return m_codes[Index(row, column)]; }
    friend bool operator==(const CellStateTable&, const CellStateTable&) = default;

private:
    static std::size_t Index(int row, int column)
    {
        assert(row >= 1 && row <= 9 && column >= 1 && column <= 9);
        return static_cast<std::size_t>(row - 1) * 9 + static_cast<std::size_t>(column - 1);
    }
    std::array<std::int16_t, 81> m_codes {};
};

struct Label {
    std::string caption;
    Colour back = Colour::Default;
    friend bool operator==(const Label&, const Label&) = default;
};

// The board: the texts of the two grids are its store; the rest are the window-level values beside them.
struct Board {
    Board();

    Grid Feld; // 10 x 10: header row 0 and column 0 hold the missing digits of columns and rows.
    Grid Gruppe; // 3 x 3: the missing digits of each box.
    CellStateTable CellState;
    bool TestMode = false;
    std::int16_t SolvedCount = 0;
    std::string FileName;
    Label Label2 {"Label2"};
    friend bool operator==(const Board&, const Board&) = default;
};

} // namespace zifora
