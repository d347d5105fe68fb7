// SPDX-License-Identifier: MIT
#pragma once

#include "files/puzzle_file.h"

#include <ostream>
#include <string>
#include <vector>

namespace zifora {

// Failures show a puzzle as its nine rows and an error as its kind and line.
inline void PrintTo(const Puzzle& puzzle, std::ostream* out)
{
    for (std::size_t index = 0; index < 81; ++index) {
        *out << (index % 9 == 0 && index > 0 ? "/" : "") << static_cast<int>(puzzle.digits[index]);
    }
}

inline void PrintTo(const LoadError& error, std::ostream* out)
{
    *out << "LoadError " << static_cast<int>(error.kind) << " at line " << error.line;
}

namespace test {

// A puzzle with 30 given digits, as nine rows with 0 for an open cell, and its solution.
inline const std::vector<std::string> kPuzzleRows {"530070000", "600195000", "098000060", "800060003",
    "400803001", "700020006", "060000280", "000419005", "000080079"};
inline const std::vector<std::string> kSolvedRows {"534678912", "672195348", "198342567", "859761423",
    "426853791", "713924856", "961537284", "287419635", "345286179"};

inline Puzzle PuzzleOf(const std::vector<std::string>& rows)
{
    Puzzle puzzle;
    for (std::size_t index = 0; index < 81; ++index) {
        puzzle.digits[index] = static_cast<std::uint8_t>(rows[index / 9][index % 9] - '0');
    }
    return puzzle;
}

// The lines of a file, each ended by end.
inline std::string Join(const std::vector<std::string>& lines, const std::string& end)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

} // namespace test
} // namespace zifora
