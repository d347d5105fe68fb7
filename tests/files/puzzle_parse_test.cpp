// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zifora {

namespace {

constexpr std::size_t kLimit = std::size_t {16} * 1024 * 1024; // the size limit of a puzzle file

// A puzzle with 30 given digits, and a second one for collections; 0 for an open cell.
const std::vector<std::string> kRows {"530070000", "600195000", "098000060", "800060003", "400803001",
    "700020006", "060000280", "000419005", "000080079"};
const std::vector<std::string> kSecond {"000000010", "400000000", "020000000", "000050407", "008000300",
    "001090000", "300400200", "050100000", "000806000"};

Puzzle PuzzleOf(const std::vector<std::string>& rows)
{
    Puzzle puzzle;
    for (std::size_t index = 0; index < 81; ++index) {
        puzzle.digits[index] = static_cast<std::uint8_t>(rows[index / 9][index % 9] - '0');
    }
    return puzzle;
}

const PuzzleRead kClassic = Puzzles {PuzzleOf(kRows)};
const PuzzleRead kBoth = Puzzles {PuzzleOf(kRows), PuzzleOf(kSecond)};

// The lines of a file, each ended by end.
std::string Join(const std::vector<std::string>& lines, const std::string& end = "\n")
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

// The rows with each zero written as open, a separator between every two cells and after after the last.
std::vector<std::string> Spaced(const std::vector<std::string>& rows, const std::string& separator,
    const std::string& open = "0", const std::string& after = "")
{
    std::vector<std::string> lines;
    for (const std::string& row : rows) {
        std::string line;
        for (std::size_t column = 0; column < row.size(); ++column) {
            line
                += (column == 0 ? "" : separator) + (row[column] == '0' ? open : std::string(1, row[column]));
        }
        lines.push_back(line + after);
    }
    return lines;
}

// The lines with line inserted before line number (1..).
std::vector<std::string> Inserted(std::vector<std::string> lines, std::size_t number, const std::string& line)
{
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(number - 1), line);
    return lines;
}

// kRows with row (1..9) replaced.
std::vector<std::string> With(std::size_t row, const std::string& line)
{
    std::vector<std::string> rows = kRows;
    rows[row - 1] = line;
    return rows;
}

const std::string kOneLine = Join(kRows, "");
const std::string kSecondLine = Join(kSecond, "");
const std::vector<std::string> kBordered {"+-------+-------+-------+", "| 5 3 . | . 7 . | . . . |",
    "| 6 . . | 1 9 5 | . . . |", "| . 9 8 | . . . | . 6 . |", "+=======+=======+=======+",
    "| 8 . . | . 6 . | . . 3 |", "| 4 . . | 8 . 3 | . . 1 |", "| 7 . . | . 2 . | . . 6 |",
    "|-------+-------+-------|", "| . 6 . | . . . | 2 8 . |", "| . . . | 4 1 9 | . . 5 |",
    "| . . . | . 8 . | . 7 9 |", "+-------+-------+-------+"};
// The frame of a popular helper's files, and the lines of box drawing that web pages print.
const std::vector<std::string> kStarFramed {"*-----------*", "|53.|.7.|...|", "|6..|195|...|",
    "|.98|...|.6.|", "|---+---+---|", "|8..|.6.|..3|", "|4..|8.3|..1|", "|7..|.2.|..6|", "|---+---+---|",
    "|.6.|...|28.|", "|...|419|..5|", "|...|.8.|.79|", "*-----------*"};
const std::vector<std::string> kBoxDrawn {"┌───────┬───────┬───────┐", "│ 5 3 . │ . 7 . │ . . . │",
    "│ 6 . . │ 1 9 5 │ . . . │", "│ . 9 8 │ . . . │ . 6 . │", "├───────┼───────┼───────┤",
    "│ 8 . . │ . 6 . │ . . 3 │", "│ 4 . . │ 8 . 3 │ . . 1 │", "│ 7 . . │ . 2 . │ . . 6 │",
    "├───────┼───────┼───────┤", "│ . 6 . │ . . . │ 2 8 . │", "│ . . . │ 4 1 9 │ . . 5 │",
    "│ . . . │ . 8 . │ . 7 9 │", "└───────┴───────┴───────┘"};

std::string Utf16(const std::string& ascii, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char character : ascii) {
        bytes += bigEndian ? std::string {'\0', character} : std::string {character, '\0'};
    }
    return bytes;
}

struct Layout {
    const char* name;
    std::string file;
    PuzzleRead expected;
};

TEST(ParsePuzzles, ReadsEveryLayoutAsItsAuthorMeantIt)
{
    using Kind = LoadErrorKind;
    std::string padded = Join(kRows);
    padded.resize(kLimit, '\n');
    const Layout layouts[] = {
        // Plain rows of nine characters, each line end, the byte-order mark, anything after the ninth.
        {"rows, CR LF", Join(kRows, "\r\n"), kClassic},
        {"rows, CR", Join(kRows, "\r"), kClassic},
        {"rows, no last line end, BOM", "\xEF\xBB\xBF" + Join(kRows).substr(0, 89), kClassic},
        {"rows, blank lines after", Join(kRows) + "\n  \t\n\n    \r\n", kClassic},
        {"rows up to the size limit", padded, kClassic},
        {"rows, open as anything", Join(With(1, "53.-7xa\t0 and anything after the ninth: 999")), kClassic},
        {"rows, open as blanks", Join(Spaced(kRows, "", " ")), kClassic},
        {"rows, odd bytes", Join(With(9, std::string("\0\xff", 2) + "0\x80" + "80079")), kClassic},
        {"rows with notes after the ninth", Join(Spaced(kRows, "", "0", "  note: a+b = c | d")), kClassic},
        {"two blocks, the last decides", Join(kSecond) + Join(kRows), kClassic},
        {"rows in UTF-16", Utf16(Join(kRows, "\r\n"), false), kClassic},
        {"rows in UTF-16, big end first", Utf16(Join(kRows), true), kClassic},
        {"one line", "\n  \n" + kOneLine + "\n", kClassic},
        {"one line, spaces open", Join(Spaced({kOneLine}, "", " ")), kClassic},
        {"one line with label and comment", "Puzzle: " + kOneLine + " # easy\n", kClassic},
        {"bordered grid", Join(kBordered, "\r\n"), kClassic},
        // Rows with separated cells: each would be shifted if read as nine characters.
        {"blanks", Join(Spaced(kRows, " ")), kClassic},
        {"indented",
            Join({" 530070000", " 600195000", " 098000060", " 800060003", " 400803001", " 700020006",
                " 060000280", " 000419005", " 000080079"}),
            kClassic},
        {"blanks between boxes",
            Join({"53.  .7.  ...", "6..  195  ...", ".98  ...  .6.", "8..  .6.  ..3", "4..  8.3  ..1",
                "7..  .2.  ..6", ".6.  ...  28.", "...  419  ..5", "...  .8.  .79"}),
            kClassic},
        {"bars, no frame, ? open", Join(Spaced(kRows, " | ", "?")), kClassic},
        {"frame of stars", Join(kStarFramed), kClassic},
        {"box drawing", Join(kBoxDrawn), kClassic},
        {"commas, trailing comma", Join(Spaced(kRows, ", ", "0", ",")), kClassic},
        {"semicolons, empty open", Join(Spaced(kRows, ";", "")), kClassic},
        {"tabs, empty open", Join(Spaced(kRows, "\t", "")), kClassic},
        {"81 fields on a line", Join(Spaced({kOneLine}, ",", "")), kClassic},
        {"81 cells with blanks on a line", Join(Spaced({kOneLine}, " ", ".")), kClassic},
        // Files of several puzzles, and what stands around them.
        {"sdk header", "#A someone\n#D a classic\n#C 30 givens\n" + Join(kRows), kClassic},
        {"titles", "Grid 01\n" + Join(kRows) + "Grid 02\n" + Join(kSecond), kBoth},
        {"rules between grids", Join(kRows) + "=========\n" + Join(kSecond) + "\n95\n", kBoth},
        {"collection with labels", kOneLine + ",first\n" + kSecondLine + ";second\n", kBoth},
        {"collection of nine", Join(std::vector<std::string>(9, kOneLine)), Puzzles(9, PuzzleOf(kRows))},
        {"marked digits are no puzzle", "+" + kOneLine + "\na" + kOneLine + "\n",
            LoadError {Kind::LineMissing, 3}},
        // Refusals: never a row missing, shifted or misunderstood.
        {"a short row", Join(Spaced(With(4, "80006003"), " ")), LoadError {Kind::BrokenGrid, 1, 3}},
        {"a tenth row",
            "Grid 01\n" + Join(Spaced(kRows, " ")) + "1 2 3 4 5 6 7 8 9\nGrid 02\n" + Join(kSecond),
            LoadError {Kind::BrokenGrid, 2, 10}},
        {"a title between rows", Join(Inserted(Spaced(kRows, " "), 3, "Puzzle number one")),
            LoadError {Kind::LineMissing, 11}},
        {"a region map after the grid",
            Join(Spaced(kRows, " "))
                + Join(Spaced({"AAABBBCCC", "AAABBBCCC", "AAABBBCCC", "DDDEEEFFF", "DDDEEEFFF", "DDDEEEFFF",
                                  "GGGHHHIII", "GGGHHHIII", "GGGHHHIII"},
                    " ")),
            LoadError {Kind::RegionMap, 10}},
        {"a printed grid short of rows",
            Join({"53..7....", "6..195...", ".98....6.", "===+===+===", "8...6...3", "4..8.3..1", "7...2...6",
                "===+===+===", ".6....28."}),
            LoadError {Kind::BrokenGrid, 1, 7}},
        {"a printed grid short of rows, wide rules",
            Join({"53..7....", "6..195...", ".98....6.", "----------+----------", "8...6...3", "4..8.3..1",
                "7...2...6", "----------+----------", ".6....28."}),
            LoadError {Kind::BrokenGrid, 1, 7}},
        {"a sign without a puzzle", Join(std::vector<std::string>(9, "Author: someone")),
            LoadError {Kind::NoPuzzle}},
        {"a sentence on one line",
            "This file holds no puzzle but a sentence that is longer than eighty-one characters.",
            LoadError {Kind::LineMissing, 2}},
        // Refusals of the plain reading that nothing else reads keep their message, which names the line.
        {"empty", "", LoadError {Kind::NoPuzzle}},
        {"only the mark", "\xEF\xBB\xBF", LoadError {Kind::NoPuzzle}},
        {"only blank lines", "\n \t\r\n   \r", LoadError {Kind::NoPuzzle}},
        {"too large", std::string(kLimit + 1, '\n'), LoadError {Kind::TooLarge}},
        {"eight rows", Join({kRows.begin(), kRows.end() - 1}, "\r"), LoadError {Kind::LineMissing, 9}},
        {"a short line", Join(With(3, "09800006"), "\r\n"), LoadError {Kind::LineTooShort, 3}},
        {"a short line in the second block", Join(kRows) + Join(With(3, "09800006")),
            LoadError {Kind::LineTooShort, 12}},
        {"a blank line begins a block", Join(kRows) + "\n123456789\n", LoadError {Kind::LineTooShort, 10}},
        {"a tenth line", Join(kRows) + "123456789", LoadError {Kind::LineMissing, 11}},
        {"one short line",
            "\xEF\xBB\xBF"
            "12345678",
            LoadError {Kind::LineTooShort, 1}},
        {"one line of 80", std::string(80, '1'), LoadError {Kind::LineMissing, 2}},
        {"a bordered grid short of a row", Join({kBordered.begin(), kBordered.end() - 2}),
            LoadError {Kind::LineMissing, 12}},
        {"a puzzle line and a row", std::string(81, '1') + "\n123456789", LoadError {Kind::BrokenGrid, 2, 1}},
    };
    for (const Layout& layout : layouts) {
        EXPECT_EQ(ParsePuzzles(layout.file), layout.expected) << layout.name;
    }
}

// Cells (row, column) that clash in a puzzle of two given digits; open cells never do.
TEST(ClashingCells, MarksBothCellsOfADigitTwiceInARowColumnOrBox)
{
    const struct {
        const char* name;
        std::pair<int, int> first, second;
        std::uint8_t secondDigit;
        bool clash;
    } rows[] = {
        {"same row", {1, 1}, {1, 9}, 5, true},
        {"same column", {1, 1}, {9, 1}, 5, true},
        {"same box", {4, 4}, {6, 6}, 5, true},
        {"other digit", {1, 1}, {1, 9}, 6, false},
        {"no unit shared", {1, 1}, {5, 5}, 5, false},
    };
    for (const auto& row : rows) {
        Puzzle puzzle;
        const auto index = [](std::pair<int, int> cell) {
            return static_cast<std::size_t>((cell.first - 1) * 9 + cell.second - 1);
        };
        puzzle.digits[index(row.first)] = 5;
        puzzle.digits[index(row.second)] = row.secondDigit;
        const std::array<bool, 81> clashing = ClashingCells(puzzle);
        EXPECT_EQ(clashing[index(row.first)], row.clash) << row.name;
        EXPECT_EQ(clashing[index(row.second)], row.clash) << row.name;
        EXPECT_EQ(std::count(clashing.begin(), clashing.end(), true), row.clash ? 2 : 0) << row.name;
    }
}

} // namespace
} // namespace zifora
