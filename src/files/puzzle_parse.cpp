// SPDX-License-Identifier: MIT
#include "board/digits.h"
#include "files/line_layout.h"
#include "files/puzzle_file.h"
#include "files/readings.h"
#include "files/text_lines.h"

#include <optional>

namespace zifora {
namespace {

constexpr std::size_t kRowLength = kRowCells;
constexpr std::size_t kBlockLines = 9;
constexpr std::size_t kOneLineLength = kPuzzleCells;

void ReadRow(std::string_view cells, std::size_t row, Puzzle& puzzle)
{
    for (std::size_t column = 0; column < kRowLength; ++column) {
        const char cell = cells[column];
        puzzle.digits[row * kRowLength + column]
            = IsDigit(cell) ? static_cast<std::uint8_t>(DigitValue(cell)) : 0;
    }
}

LoadError ErrorAtLine(LoadErrorKind kind, std::size_t number)
{
    return LoadError {kind, static_cast<int>(number)};
}

// What a block of nine plain rows tells of the layout its lines were really written in: a row whose cells
// a blank or a mark among the first nine characters would shift, fields, a printed grid, or a collection.
// One shifted row is enough: a block of such rows with one row short or a title among them would otherwise
// be read shifted, with nothing to tell the user.
class BlockSigns {
public:
    void Add(std::string_view line)
    {
        const std::optional<std::string> cells = RowOrPuzzleCells(line);
        const bool row = cells && cells->size() == kRowCells;
        m_puzzleLines += cells && cells->size() == kPuzzleCells ? 1 : 0;
        m_shown = m_shown || (row && SeparatesInFirstNine(line)) || MarksFieldsInFirstNine(line)
            || DrawsGrid(line);
    }
    bool ShowOtherLayout() const { return m_shown || m_puzzleLines == kBlockLines; }

private:
    std::size_t m_puzzleLines = 0;
    bool m_shown = false;
};

struct PlainReading {
    Puzzle puzzle;
    bool showsOtherLayout = false;
};

// Blocks of nine lines, each checked in full; every block sets all 81 cells again, so the last decides.
// A block begins only while something other than blank lines is left, but once begun it may take a
// blank line of nine or more characters as a row of open cells.
std::variant<PlainReading, LoadError> ReadBlocks(std::string_view text)
{
    PlainReading reading;
    for (LineCursor lines(text); !lines.OnlyBlankLeft();) {
        BlockSigns signs;
        for (std::size_t row = 0; row < kBlockLines; ++row) {
            if (lines.AtEnd()) {
                return ErrorAtLine(LoadErrorKind::LineMissing, lines.Number() + 1);
            }
            const std::string_view line = lines.Next();
            if (line.size() < kRowLength) {
                return ErrorAtLine(LoadErrorKind::LineTooShort, lines.Number());
            }
            ReadRow(line, row, reading.puzzle);
            signs.Add(line);
        }
        reading.showsOtherLayout = reading.showsOtherLayout || signs.ShowOtherLayout();
    }
    return reading;
}

// A line of exactly 81 cell characters and spaces, the spaces open cells.
bool IsSpacedOneLine(std::string_view line)
{
    if (line.size() != kOneLineLength) {
        return false;
    }
    for (const char character : line) {
        if (character != ' ' && !IsCellCharacter(character)) {
            return false;
        }
    }
    return true;
}

// Puzzle collections write a puzzle as one line of 81 cells, row after row. A file of one other long line
// (a sentence) is no puzzle.
std::optional<Puzzle> ReadOneLine(std::string_view text)
{
    std::optional<std::string_view> only;
    for (LineCursor lines(text); !lines.OnlyBlankLeft();) {
        const std::string_view line = lines.Next();
        if (IsBlank(line)) {
            continue;
        }
        if (only) {
            return std::nullopt;
        }
        only = line;
    }
    if (!only || only->size() < kOneLineLength) {
        return std::nullopt;
    }
    if (const std::optional<std::string> cells = RowOrPuzzleCells(*only);
        cells && cells->size() == kPuzzleCells) {
        return PuzzleFromCells(*cells);
    }
    if (IsSpacedOneLine(*only)) {
        return PuzzleFromCells(*only);
    }
    return std::nullopt;
}

// Border lines of a printed grid hold nothing but rules, crossings, bars and spaces.
bool IsBorder(std::string_view line)
{
    return line.find_first_not_of("-+=| ") == std::string_view::npos;
}

// The grid that forums print, with border lines between the boxes and bars and spaces between the cells.
std::optional<Puzzle> ReadBorderedGrid(std::string_view text)
{
    Puzzle puzzle;
    std::size_t row = 0;
    for (LineCursor lines(text); !lines.OnlyBlankLeft();) {
        const std::string_view line = lines.Next();
        if (IsBorder(line)) {
            continue;
        }
        std::string cells;
        for (const char character : line) {
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

// The line-by-line reading of a file whose plain reading showed another layout, or refused it with
// plainRefusal. A file that holds no puzzle here keeps the plain reading's refusal, which names the line to
// mend.
PuzzleRead ReadOtherLayout(std::string_view text, const std::optional<LoadError>& plainRefusal)
{
    LineReading reading = ReadLineByLine(text);
    if (reading.puzzles.empty() && plainRefusal) {
        return *plainRefusal;
    }
    if (reading.refusal) {
        return *reading.refusal;
    }
    if (reading.puzzles.empty()) {
        return LoadError {LoadErrorKind::NoPuzzle};
    }
    return std::move(reading.puzzles);
}

} // namespace

Puzzle PuzzleFromCells(std::string_view cells)
{
    Puzzle puzzle;
    for (std::size_t index = 0; index < puzzle.digits.size(); ++index) {
        puzzle.digits[index]
            = IsDigit(cells[index]) ? static_cast<std::uint8_t>(DigitValue(cells[index])) : 0;
    }
    return puzzle;
}

std::string CellsOf(const Puzzle& puzzle)
{
    std::string cells;
    for (const std::uint8_t digit : puzzle.digits) {
        cells += digit != 0 ? DigitCharacter(digit) : '.';
    }
    return cells;
}

PuzzleRead ParsePuzzles(std::string_view bytes)
{
    if (bytes.size() > kMaxPuzzleFileBytes) {
        return LoadError {LoadErrorKind::TooLarge};
    }
    const PuzzleText decoded(bytes);
    const std::string_view text = decoded.Text();
    if (LineCursor(text).OnlyBlankLeft()) {
        return LoadError {LoadErrorKind::NoPuzzle};
    }
    if (std::optional<Puzzle> oneLine = ReadOneLine(text)) {
        return Puzzles {*oneLine};
    }
    std::variant<PlainReading, LoadError> plain = ReadBlocks(text);
    if (const auto* read = std::get_if<PlainReading>(&plain)) {
        if (!read->showsOtherLayout) {
            return Puzzles {read->puzzle};
        }
        return ReadOtherLayout(text, std::nullopt);
    }
    // Only a file that the plain reading refuses is tried as a bordered grid.
    if (std::optional<Puzzle> bordered = ReadBorderedGrid(text)) {
        return Puzzles {*bordered};
    }
    return ReadOtherLayout(text, std::get<LoadError>(plain));
}

} // namespace zifora
