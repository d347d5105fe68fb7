// SPDX-License-Identifier: MIT
#pragma once

#include "files/puzzle_file.h"

#include <optional>
#include <string_view>

namespace zifora {

// What the line-by-line reading found: every puzzle, and the first reason to refuse the file, if any.
struct LineReading {
    Puzzles puzzles;
    std::optional<LoadError> refusal;
};

// Reads a text line by line: puzzle lines are puzzles, runs of rows are grids of nine rows each; blank,
// comment and frame lines and any other line are passed over. A run of rows that is no whole number of
// grids, or nine lines in a row that are each nine pieces but not all cells (the region map of a variant),
// is a reason to refuse.
LineReading ReadLineByLine(std::string_view text);

} // namespace zifora
