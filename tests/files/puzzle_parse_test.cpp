// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"

#include <gtest/gtest.h>

namespace zifora {

namespace {

constexpr std::size_t kLimit = std::size_t {1024} * 1024; // the size limit of a puzzle file

// A puzzle with 30 given digits, 0 for an open cell.
const std::vector<std::string> kRows {"530070000", "600195000", "098000060", "800060003", "400803001",
    "700020006", "060000280", "000419005", "000080079"};

Puzzle PuzzleOf(const std::vector<std::string>& rows)
{
    Puzzle puzzle;
    for (std::size_t index = 0; index < 81; ++index) {
        puzzle.digits[index] = static_cast<std::uint8_t>(rows[index / 9][index % 9] - '0');
    }
    return puzzle;
}

// The lines of a file, each ended by end.
std::string Join(const std::vector<std::string>& lines, const std::string& end)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

const std::vector<std::string> kBordered {"+-------+-------+-------+", "| 5 3 . | . 7 . | . . . |",
    "| 6 . . | 1 9 5 | . . . |", "| . 9 8 | . . . | . 6 . |", "+=======+=======+=======+",
    "| 8 . . | . 6 . | . . 3 |", "| 4 . . | 8 . 3 | . . 1 |", "| 7 . . | . 2 . | . . 6 |",
    "|-------+-------+-------|", "| . 6 . | . . . | 2 8 . |", "| . . . | 4 1 9 | . . 5 |",
    "| . . . | . 8 . | . 7 9 |", "+-------+-------+-------+"};

// kRows with row (1..9) replaced.
std::vector<std::string> With(std::size_t row, const std::string& line)
{
    std::vector<std::string> rows = kRows;
    rows[row - 1] = line;
    return rows;
}

TEST(ParsePuzzle, ReadsEveryAcceptedLayoutOfOnePuzzle)
{
    const std::string lf = Join(kRows, "\n");
    std::string mixed = Join(kRows, "\r\n");
    mixed.replace(mixed.find("\r\n"), 2, "\r").replace(mixed.rfind("\r\n"), 2, "\n");
    std::string oneLine = Join(kRows, "");
    std::string padded = lf;
    padded.resize(kLimit, '\n');
    const std::string bytes[] = {Join(kRows, "\r\n"), Join(kRows, "\r"), lf, lf.substr(0, lf.size() - 1),
        mixed, "\xEF\xBB\xBF" + lf, lf + "\n  \t\n\n    \r\n", padded,
        Join(With(1, "53.-7xa\t0 and anything after the ninth: 999"), "\n"),
        Join(With(9, std::string("\0\xff", 2) + "0\x80" + "80079"), "\n"),
        Join(std::vector<std::string>(9, "123456789"), "\n") + lf, oneLine + "123 after the 81st\r\n\r\n",
        "\n  \n" + oneLine + "\n", Join(kBordered, "\r\n")};
    for (const std::string& file : bytes) {
        EXPECT_EQ(ParsePuzzle(file), PuzzleRead(PuzzleOf(kRows))) << '"' << file.substr(0, 200) << '"';
    }
}

TEST(ParsePuzzle, ReadsMarksBlankRowsAndBarsInsideBlocksAsCells)
{
    std::vector<std::string> bars;
    for (const std::string& line : kBordered) {
        if (line.find_first_of(".0123456789") != std::string::npos) {
            bars.push_back(line);
        }
    }
    // A mark not at the very start is three ordinary bytes; a blank row of nine is nine open cells; nine
    // lines that read as plain rows are plain rows, bars and all.
    EXPECT_EQ(ParsePuzzle(Join(With(2, "\xEF\xBB\xBF" + kRows[1]), "\n")),
        PuzzleRead(PuzzleOf(With(2, "000600195"))));
    EXPECT_EQ(ParsePuzzle(Join(With(9, "         "), "\n")), PuzzleRead(PuzzleOf(With(9, "000000000"))));
    EXPECT_EQ(ParsePuzzle(Join(bars, "\n")),
        PuzzleRead(PuzzleOf({"005030000", "006000000", "000090800", "008000000", "004000000", "007000000",
            "000060000", "000000000", "000000000"})));
}

TEST(ParsePuzzle, ReportsTheFirstProblemWithItsLineInTheWholeFile)
{
    using Kind = LoadErrorKind;
    const std::string nine = Join(kRows, "\n");
    const std::string shortThird = Join(With(3, "09800006"), "\r\n");
    std::vector<std::string> tenCells = kBordered;
    tenCells[2] = "| 6 . . | 1 9 5 | . . . 4 |";
    const std::vector<std::pair<std::string, LoadError>> cases {
        {"", {Kind::NoPuzzle}},
        {"\xEF\xBB\xBF", {Kind::NoPuzzle}},
        {"\n \t\r\n   \r", {Kind::NoPuzzle}},
        {std::string(kLimit + 1, '\n'), {Kind::TooLarge}},
        {Join({kRows.begin(), kRows.end() - 1}, "\r"), {Kind::LineMissing, 9}},
        {shortThird, {Kind::LineTooShort, 3}},
        {shortThird + "123456789", {Kind::LineTooShort, 3}},
        {nine + shortThird, {Kind::LineTooShort, 12}},
        {nine + "\n123456789\n", {Kind::LineTooShort, 10}},
        {nine + "123456789\n\n", {Kind::LineTooShort, 11}},
        {nine + "123456789", {Kind::LineMissing, 11}},
        {"12345678\n", {Kind::LineTooShort, 1}},
        {"\xEF\xBB\xBF"
         "12345678",
            {Kind::LineTooShort, 1}},
        {"123456789\n", {Kind::LineMissing, 2}},
        {std::string(80, '1'), {Kind::LineMissing, 2}},
        {std::string(81, '1') + "\n123456789", {Kind::LineMissing, 3}},
        {Join({kBordered.begin(), kBordered.end() - 2}, "\n"), {Kind::LineMissing, 12}},
        {Join(tenCells, "\n"), {Kind::LineMissing, 14}},
    };
    for (const auto& [file, expected] : cases) {
        EXPECT_EQ(ParsePuzzle(file), PuzzleRead(expected)) << '"' << file.substr(0, 200) << '"';
    }
}

} // namespace
} // namespace zifora
