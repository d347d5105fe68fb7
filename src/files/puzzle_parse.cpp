// SPDX-License-Identifier: MIT
#include "board/digits.h"
#include "files/puzzle_file.h"

#include <optional>
#include <vector>

namespace zifora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kRowLength = 9;
constexpr std::size_t kBlockLines = 9;
constexpr std::size_t kOneLineLength = 81;

// Carriage return + line feed, carriage return alone and line feed alone each end a line. A last line
// without an end counts; the empty rest after a final line end does not.
std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

bool IsBlank(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

// Border lines of a printed grid hold nothing but rules, crossings, bars and spaces.
bool IsBorder(std::string_view line)
{
    return line.find_first_not_of("-+=| ") == std::string_view::npos;
}

// The number of lines up to the last one that is not blank: what follows is trailing blank lines.
std::size_t ContentLines(const std::vector<std::string_view>& lines)
{
    std::size_t count = lines.size();
    while (count > 0 && IsBlank(lines[count - 1])) {
        --count;
    }
    return count;
}

void ReadRow(std::string_view cells, std::size_t row, Puzzle& puzzle)
{
    for (std::size_t column = 0; column < kRowLength; ++column) {
        const char cell = cells[column];
        puzzle.digits[row * kRowLength + column]
            = IsDigit(cell) ? static_cast<std::uint8_t>(DigitValue(cell)) : 0;
    }
}

LoadError ErrorAtLine(LoadErrorKind kind, std::size_t index)
{
    return LoadError {kind, static_cast<int>(index + 1)};
}

// Blocks of nine lines, each checked in full; every block sets all 81 cells again, so the last decides.
// A block begins only while something other than blank lines is left, but once begun it may take a
// blank line of nine or more characters as a row of open cells.
PuzzleRead ReadBlocks(const std::vector<std::string_view>& lines, std::size_t contentLines)
{
    Puzzle puzzle;
    for (std::size_t start = 0; start < contentLines; start += kBlockLines) {
        for (std::size_t row = 0; row < kBlockLines; ++row) {
            const std::size_t index = start + row;
            if (index >= lines.size()) {
                return ErrorAtLine(LoadErrorKind::LineMissing, index);
            }
            if (lines[index].size() < kRowLength) {
                return ErrorAtLine(LoadErrorKind::LineTooShort, index);
            }
            ReadRow(lines[index], row, puzzle);
        }
    }
    return puzzle;
}

// Puzzle collections write a puzzle as one line of 81 cells, row after row.
std::optional<Puzzle> ReadOneLine(const std::vector<std::string_view>& lines, std::size_t contentLines)
{
    std::optional<std::string_view> only;
    for (std::size_t index = 0; index < contentLines; ++index) {
        if (IsBlank(lines[index])) {
            continue;
        }
        if (only) {
            return std::nullopt;
        }
        only = lines[index];
    }
    if (!only || only->size() < kOneLineLength) {
        return std::nullopt;
    }
    Puzzle puzzle;
    for (std::size_t row = 0; row < kBlockLines; ++row) {
        ReadRow(only->substr(row * kRowLength, kRowLength), row, puzzle);
    }
    return puzzle;
}

// The grid that forums print, with border lines between the boxes and bars and spaces between the cells.
std::optional<Puzzle> ReadBorderedGrid(const std::vector<std::string_view>& lines, std::size_t contentLines)
{
    Puzzle puzzle;
    std::size_t row = 0;
    for (std::size_t index = 0; index < contentLines; ++index) {
        if (IsBorder(lines[index])) {
            continue;
        }
        std::string cells;
        for (char character : lines[index]) {
            if (character != '|' && character != ' ') {
                cells += character;
            }
        }
        if (cells.size() != kRowLength || row == kBlockLines) {
            return std::nullopt;
        }
        ReadRow(cells, row++, puzzle);
    }
    if (row != kBlockLines) {
        return std::nullopt;
    }
    return puzzle;
}

} // namespace

PuzzleRead ParsePuzzle(std::string_view bytes)
{
    if (bytes.size() > kMaxPuzzleFileBytes) {
        return LoadError {LoadErrorKind::TooLarge};
    }
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<std::string_view> lines = SplitLines(bytes);
    const std::size_t contentLines = ContentLines(lines);
    if (contentLines == 0) {
        return LoadError {LoadErrorKind::NoPuzzle};
    }
    if (std::optional<Puzzle> oneLine = ReadOneLine(lines, contentLines)) {
        return *oneLine;
    }
    PuzzleRead plain = ReadBlocks(lines, contentLines);
    if (std::holds_alternative<Puzzle>(plain)) {
        return plain;
    }
    // Only a file that the plain reading refuses is tried as a bordered grid, and if that fails too the
    // user learns what is wrong with it as plain lines.
    if (std::optional<Puzzle> bordered = ReadBorderedGrid(lines, contentLines)) {
        return *bordered;
    }
    return plain;
}

} // namespace zifora
