// SPDX-License-Identifier: MIT
#pragma once

#include "session_generator.h"

#include <random>
#include <string>

// Puzzles for random sessions, and the bytes of files that hold them (or fail to).
namespace zifora::test {

Givens ClassicPuzzle();
// A valid, complete grid: a fixed solution with its digits relabelled at random, perhaps transposed.
Givens SolvedGrid(std::mt19937_64& random);
// The grid with count cells, picked at random, made open.
Givens WithHoles(Givens grid, int count, std::mt19937_64& random);
// count random digits thrown onto an empty grid, without regard to the rules.
Givens Scattered(int count, std::mt19937_64& random);

// Nine rows of nine cells, open cells written as open, each row followed by tail and lineEnd.
std::string PlainRows(
    const Givens& givens, char open, const std::string& lineEnd, const std::string& tail = {});
std::string OneLine(const Givens& givens);
std::string Bordered(const Givens& givens);
// Nine rows with a random mix of open-cell characters, text after the ninth character and line ends.
std::string RandomRows(const Givens& givens, std::mt19937_64& random);

// Files the reader must refuse.
std::string WithShortLine(const Givens& givens, std::mt19937_64& random);
std::string WithWrongLineCount(const Givens& givens, std::mt19937_64& random);
// Random bytes in lines of at most eight, so that no reading of them can find nine cells in a row.
std::string ShortLineGarbage(std::mt19937_64& random);

} // namespace zifora::test
