// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"
#include "puzzle_rows.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zifora {
namespace {

using test::Join;
using test::PuzzleOf;

const std::vector<std::string>& kRows = test::kPuzzleRows;

std::vector<std::string> Concat(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

LoadError Error(LoadErrorKind kind, int line = 0)
{
    return LoadError {kind, line};
}

TEST(ParsePuzzle, DigitsOneToNineAreGivenAndEveryOtherByteIsOpen)
{
    std::vector<std::string> lines = kRows;
    lines[0] = "53.-7xa\t0 and whatever follows the ninth: 999";
    lines[8] = std::string("\0\xff", 2) + "0\x80" + "8007" + "9";
    const PuzzleRead read = ParsePuzzle(Join(lines, "\n"));
    EXPECT_EQ(read, PuzzleRead(PuzzleOf(kRows)));
}

TEST(ParsePuzzle, EveryLineEndStyleReadsTheSame)
{
    const PuzzleRead expected = PuzzleOf(kRows);
    EXPECT_EQ(ParsePuzzle(Join(kRows, "\r\n")), expected);
    EXPECT_EQ(ParsePuzzle(Join(kRows, "\r")), expected);
    EXPECT_EQ(ParsePuzzle(Join(kRows, "\n")), expected);
    std::string withoutLastEnd = Join(kRows, "\n");
    withoutLastEnd.pop_back();
    EXPECT_EQ(ParsePuzzle(withoutLastEnd), expected);
    std::string mixed = Join(kRows, "\r\n");
    mixed.replace(mixed.find("\r\n"), 2, "\r");
    mixed.replace(mixed.rfind("\r\n"), 2, "\n");
    EXPECT_EQ(ParsePuzzle(mixed), expected);
}

TEST(ParsePuzzle, SkipsByteOrderMarkAndTrailingBlankLines)
{
    const PuzzleRead expected = PuzzleOf(kRows);
    EXPECT_EQ(ParsePuzzle("\xEF\xBB\xBF" + Join(kRows, "\r\n")), expected);
    EXPECT_EQ(ParsePuzzle(Join(kRows, "\n") + "\n  \t\n\n    \r\n"), expected);
    // A mark anywhere but at the very start is three ordinary bytes.
    std::vector<std::string> shifted = kRows;
    shifted[1] = "\xEF\xBB\xBF" + shifted[1];
    std::vector<std::string> expectedRows = kRows;
    expectedRows[1] = "000600195";
    EXPECT_EQ(ParsePuzzle(Join(shifted, "\n")), PuzzleRead(PuzzleOf(expectedRows)));
}

TEST(ParsePuzzle, BlankRowInsideBlockIsARowOfOpenCells)
{
    std::vector<std::string> lines = kRows;
    lines[8] = "         ";
    std::vector<std::string> expectedRows = kRows;
    expectedRows[8] = "000000000";
    EXPECT_EQ(ParsePuzzle(Join(lines, "\n")), PuzzleRead(PuzzleOf(expectedRows)));
}

TEST(ParsePuzzle, LastOfSeveralBlocksDecidesEveryCell)
{
    std::vector<std::string> second(9, "000000000");
    second[8] = "000000001";
    EXPECT_EQ(ParsePuzzle(Join(Concat(kRows, second), "\n")), PuzzleRead(PuzzleOf(second)));
}

TEST(ParsePuzzle, ReportsTheFirstProblemWithItsLineInTheWholeFile)
{
    std::vector<std::string> shortThird = kRows;
    shortThird[2] = "09800006";
    const std::vector<std::string> eight(kRows.begin(), kRows.end() - 1);
    const std::string nineLines = Join(kRows, "\n");
    struct Case {
        std::string bytes;
        LoadError expected;
    };
    const std::vector<Case> cases {
        {"", Error(LoadErrorKind::NoPuzzle)},
        {"\xEF\xBB\xBF", Error(LoadErrorKind::NoPuzzle)},
        {"\n \t\r\n   \r", Error(LoadErrorKind::NoPuzzle)},
        {Join(eight, "\n"), Error(LoadErrorKind::LineMissing, 9)},
        {Join(eight, "\r"), Error(LoadErrorKind::LineMissing, 9)},
        {Join(shortThird, "\r\n"), Error(LoadErrorKind::LineTooShort, 3)},
        {Join(Concat(shortThird, kRows), "\n"), Error(LoadErrorKind::LineTooShort, 3)},
        {Join(Concat(kRows, shortThird), "\n"), Error(LoadErrorKind::LineTooShort, 12)},
        {Join(Concat(shortThird, {"123456789"}), "\n"), Error(LoadErrorKind::LineTooShort, 3)},
        // A second line end after the ninth line makes an empty tenth line, which begins a block.
        {nineLines + "\n123456789\n", Error(LoadErrorKind::LineTooShort, 10)},
        {nineLines + "123456789\n\n", Error(LoadErrorKind::LineTooShort, 11)},
        {nineLines + "123456789", Error(LoadErrorKind::LineMissing, 11)},
        {"12345678\n", Error(LoadErrorKind::LineTooShort, 1)},
        {"123456789\n", Error(LoadErrorKind::LineMissing, 2)},
        {std::string(80, '1'), Error(LoadErrorKind::LineMissing, 2)},
        {"\xEF\xBB\xBF"
         "12345678",
            Error(LoadErrorKind::LineTooShort, 1)},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(ParsePuzzle(each.bytes), PuzzleRead(each.expected)) << '"' << each.bytes << '"';
    }
}

TEST(ParsePuzzle, RefusesMoreThanOneMebibyte)
{
    std::string bytes = Join(kRows, "\n");
    bytes.resize(kMaxPuzzleFileBytes, '\n');
    EXPECT_EQ(ParsePuzzle(bytes), PuzzleRead(PuzzleOf(kRows)));
    bytes.push_back('\n');
    EXPECT_EQ(ParsePuzzle(bytes), PuzzleRead(Error(LoadErrorKind::TooLarge)));
}

TEST(ParsePuzzle, ReadsOneLineOf81CellsRowByRow)
{
    const std::string line = Join(kRows, "");
    const PuzzleRead expected = PuzzleOf(kRows);
    EXPECT_EQ(ParsePuzzle(line), expected);
    EXPECT_EQ(ParsePuzzle(line + "123 ignored after the 81st\r\n\r\n"), expected);
    EXPECT_EQ(ParsePuzzle("\n  \n" + line + "\n"), expected);
    std::string dotted = line;
    std::replace(dotted.begin(), dotted.end(), '0', '.');
    EXPECT_EQ(ParsePuzzle(dotted), expected);
    EXPECT_EQ(ParsePuzzle(line + "\n123456789"), PuzzleRead(Error(LoadErrorKind::LineMissing, 3)))
        << "a second line that is not blank makes it plain lines";
}

const std::vector<std::string> kBordered {"+-------+-------+-------+", "| 5 3 . | . 7 . | . . . |",
    "| 6 . . | 1 9 5 | . . . |", "| . 9 8 | . . . | . 6 . |", "+=======+=======+=======+",
    "| 8 . . | . 6 . | . . 3 |", "| 4 . . | 8 . 3 | . . 1 |", "| 7 . . | . 2 . | . . 6 |",
    "|-------+-------+-------|", "| . 6 . | . . . | 2 8 . |", "| . . . | 4 1 9 | . . 5 |",
    "| . . . | . 8 . | . 7 9 |", "+-------+-------+-------+"};

TEST(ParsePuzzle, ReadsBorderedGridWhenPlainLinesFail)
{
    EXPECT_EQ(ParsePuzzle(Join(kBordered, "\r\n")), PuzzleRead(PuzzleOf(kRows)));
    std::vector<std::string> withoutBorders;
    for (const std::string& line : kBordered) {
        if (line.find_first_of(".0123456789") != std::string::npos) {
            withoutBorders.push_back(line);
        }
    }
    ASSERT_EQ(withoutBorders.size(), 9u);
    EXPECT_NE(ParsePuzzle(Join(withoutBorders, "\n")), PuzzleRead(PuzzleOf(kRows)))
        << "nine lines that read as plain lines are plain lines, bars and all";
}

TEST(ParsePuzzle, FailedBorderedGridReportsThePlainProblem)
{
    std::vector<std::string> eightRows = kBordered;
    eightRows.erase(eightRows.begin() + 11);
    EXPECT_EQ(ParsePuzzle(Join(eightRows, "\n")), PuzzleRead(Error(LoadErrorKind::LineMissing, 13)));
    std::vector<std::string> tenCells = kBordered;
    tenCells[2] = "| 6 . . | 1 9 5 | . . . 4 |";
    EXPECT_EQ(ParsePuzzle(Join(tenCells, "\n")), PuzzleRead(Error(LoadErrorKind::LineMissing, 14)));
    std::vector<std::string> tabRow = kBordered;
    tabRow[2] = "|\t6 . . | 1 9 5 | . . . |";
    EXPECT_EQ(ParsePuzzle(Join(tabRow, "\n")), PuzzleRead(Error(LoadErrorKind::LineMissing, 14)));
}

} // namespace
} // namespace zifora
