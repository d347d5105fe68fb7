// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zifora {

// How one line of a puzzle file reads in the layouts that people write beside the plain rows of nine
// characters: cells separated by blanks, bars, commas, semicolons or tabs, and puzzles of 81 cells on a line.

// A character that stands for one cell: a digit 1 to 9 given; 0 and . _ - * x X ? open.
constexpr bool IsCellCharacter(char character)
{
    return (character >= '0' && character <= '9') || character == '.' || character == '_' || character == '-'
        || character == '*' || character == 'x' || character == 'X' || character == '?';
}

// The cells of a line, one cell character each ("." for an empty field), when every field of it -- or, in a
// line without commas, semicolons and tabs, every character but its blanks and bars -- is a cell; nothing
// when one is not.
std::optional<std::string> LineCells(std::string_view line);

// The number of fields of a line with commas, semicolons or tabs; of any other line its blank-separated
// words.
std::size_t PieceCount(std::string_view line);

// The cells of a line as rows and puzzle lines read them: the first 81 of a run of at least 81 cell
// characters at the start of the line or after anything but a letter or "+" ("+" marks a placed digit in one
// solver's libraries), else LineCells. Nine cells make a row, 81 a puzzle line.
std::optional<std::string> RowOrPuzzleCells(std::string_view line);

constexpr std::size_t kRowCells = 9;
constexpr std::size_t kPuzzleCells = 81;

// A line with nothing but blanks (the no-break space too) and what draws a grid's frame: - + = | * and the
// box-drawing characters.
bool IsBlankOrBorderLine(std::string_view line);

// A line whose first character that is not blank is "#".
bool IsCommentLine(std::string_view line);

// Among the first nine characters, a blank, a tab, a bar, a comma or a semicolon: a plain reading of nine
// characters would shift the cells of such a row.
bool SeparatesInFirstNine(std::string_view line);

// Among the first nine characters, a comma, a semicolon or a colon: the fields of another layout or a label.
bool MarksFieldsInFirstNine(std::string_view line);

// A line of a printed grid: "|", "+", "=" or a box-drawing character among its first nine characters, or
// anywhere in a frame line. A plain row may say anything after its ninth character, "+" and "=" too.
bool DrawsGrid(std::string_view line);

} // namespace zifora
