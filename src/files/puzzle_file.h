// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

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

enum class LoadErrorKind : std::uint8_t { Unreadable, TooLarge, NoPuzzle, LineTooShort, LineMissing };

struct LoadError {
    LoadErrorKind kind;
    int line = 0; // the file's line number, for LineTooShort and LineMissing
    friend bool operator==(const LoadError&, const LoadError&) = default;
};

using PuzzleRead = std::variant<Puzzle, LoadError>;

constexpr std::uintmax_t kMaxPuzzleFileBytes = std::uintmax_t {1024} * 1024;

// Reads and checks a whole puzzle file; never touches a board. Only regular files are opened, and never more
// than kMaxPuzzleFileBytes + 1 bytes are read.
PuzzleRead ReadPuzzleFile(const std::string& path);

// Checks the bytes of a puzzle file: plain rows of nine cells in blocks of nine lines (the last block is the
// puzzle), one line of 81 cells, or a grid printed with borders. Depends on nothing but the bytes.
PuzzleRead ParsePuzzle(std::string_view bytes);

// The one German line that tells the user why the file at path was refused.
std::string LoadErrorMessage(const LoadError& error, std::string_view path);

// Puts a checked puzzle on the board: given cells yellow, bold and centred, the current cell left on the last
// given cell, then ComputeCandidates, which brings the summaries up to date first.
void ApplyPuzzle(Board& board, const Puzzle& puzzle);

} // namespace zifora
