// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zifora {

// A checked puzzle: the digit of each cell, row by row, 0 for an open cell.
struct Puzzle {
    std::array<std::uint8_t, 81> digits {};
    std::uint8_t Digit(int row, int column) const
    {
        return digits[static_cast<std::size_t>((row - 1) * 9 + column - 1)];
    }
    friend bool operator==(const Puzzle&, const Puzzle&) = default;
};

enum class LoadErrorKind : std::uint8_t {
    Unreadable,
    NotFound,
    Folder,
    TooLarge,
    NoPuzzle,
    LineTooShort,
    LineMissing,
    BrokenGrid,
    RegionMap,
};

struct LoadError {
    LoadErrorKind kind;
    // The line number: of the short or missing line, the first row of a broken grid, the first line of a
    // region map.
    int line = 0;
    int rows = 0; // the rows of a broken grid
    friend bool operator==(const LoadError&, const LoadError&) = default;
};

// The puzzles of a file in the file's order; a read that succeeds holds at least one.
using Puzzles = std::vector<Puzzle>;
using PuzzleRead = std::variant<Puzzles, LoadError>;

// The puzzle of 81 cell characters, row by row: "1" to "9" given, any other character open.
Puzzle PuzzleFromCells(std::string_view cells);
// The puzzle as 81 cells: its digit, or "." for an open cell.
std::string CellsOf(const Puzzle& puzzle);

constexpr std::uintmax_t kMaxPuzzleFileBytes = std::uintmax_t {16} * 1024 * 1024;

// Reads and checks a whole puzzle file; never touches a board. Only regular files are opened, and never more
// than kMaxPuzzleFileBytes + 1 bytes are read.
PuzzleRead ReadPuzzleFile(const std::string& path);

// Checks the bytes of a puzzle file. Plain rows of nine characters in blocks of nine lines (the last block is
// the puzzle), one line of 81 cells and a grid printed with borders read as they always have, unless what
// they read shows another layout; then, and where they fail, the file is read line by line: grids of rows
// with their cells separated, puzzles of 81 cells on a line, any number of them, with titles, comments and
// frames passed over. Depends on nothing but the bytes.
PuzzleRead ParsePuzzles(std::string_view bytes);

// The one German line that tells the user why the file at path was refused; it names the file, not its
// folder.
std::string FileErrorMessage(const LoadError& error, std::string_view path);
// The same for a paste.
std::string ClipboardErrorMessage(const LoadError& error);

// The cells whose digit stands a second time in their row, column or box; open cells never clash.
std::array<bool, 81> ClashingCells(const Puzzle& puzzle);

// Puts a checked puzzle on the board: given cells yellow, bold and centred, the current cell left on the last
// given cell, then ComputeCandidates, which brings the summaries up to date first.
void ApplyPuzzle(Board& board, const Puzzle& puzzle);

} // namespace zifora
