// SPDX-License-Identifier: MIT
#include "puzzle_texts.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace zifora::test {
namespace {

Givens FromText(std::string_view cells)
{
    Givens givens {};
    for (std::size_t cell = 0; cell < givens.size(); ++cell) {
        givens[cell] = cells[cell] == '.' ? 0 : static_cast<std::uint8_t>(cells[cell] - '0');
    }
    return givens;
}

char CellChar(std::uint8_t digit, char open)
{
    return digit == 0 ? open : static_cast<char>('0' + digit);
}

int Roll(std::mt19937_64& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

template <typename Choices> auto Pick(const Choices& choices, std::mt19937_64& random)
{
    return choices[static_cast<std::size_t>(Roll(random, 0, static_cast<int>(std::size(choices)) - 1))];
}

constexpr std::string_view kLineEnds[] = {"\n", "\r\n", "\r"};

} // namespace

Givens ClassicPuzzle()
{
    return FromText("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
}

Givens SolvedGrid(std::mt19937_64& random)
{
    const Givens base
        = FromText("534678912672195348198342567859761423426853791713924856961537284287419635345286179");
    std::array<std::uint8_t, 10> relabel {};
    std::iota(relabel.begin() + 1, relabel.end(), std::uint8_t {1});
    std::shuffle(relabel.begin() + 1, relabel.end(), random);
    const bool transpose = Roll(random, 0, 1) == 1;
    Givens grid {};
    for (std::size_t row = 0; row < 9; ++row) {
        for (std::size_t column = 0; column < 9; ++column) {
            const std::size_t from = transpose ? column * 9 + row : row * 9 + column;
            grid[row * 9 + column] = relabel[base[from]];
        }
    }
    return grid;
}

Givens WithHoles(Givens grid, int count, std::mt19937_64& random)
{
    std::array<std::size_t, 81> cells {};
    std::iota(cells.begin(), cells.end(), std::size_t {0});
    std::shuffle(cells.begin(), cells.end(), random);
    for (int hole = 0; hole < count; ++hole) {
        grid[cells[static_cast<std::size_t>(hole)]] = 0;
    }
    return grid;
}

Givens Scattered(int count, std::mt19937_64& random)
{
    Givens grid {};
    for (int digit = 0; digit < count; ++digit) {
        grid[static_cast<std::size_t>(Roll(random, 0, 80))] = static_cast<std::uint8_t>(Roll(random, 1, 9));
    }
    return grid;
}

std::string PlainRows(const Givens& givens, char open, const std::string& lineEnd, const std::string& tail)
{
    std::string text;
    for (std::size_t cell = 0; cell < givens.size(); ++cell) {
        text += CellChar(givens[cell], open);
        if (cell % 9 == 8) {
            text += tail + lineEnd;
        }
    }
    return text;
}

std::string OneLine(const Givens& givens)
{
    std::string text;
    for (const std::uint8_t digit : givens) {
        text += CellChar(digit, '.');
    }
    return text;
}

std::string Bordered(const Givens& givens)
{
    const std::string border = "+-------+-------+-------+\n";
    std::string text = border;
    for (std::size_t row = 0; row < 9; ++row) {
        for (std::size_t column = 0; column < 9; ++column) {
            text += column % 3 == 0 ? "| " : "";
            text += CellChar(givens[row * 9 + column], '.');
            text += ' ';
        }
        text += "|\n";
        text += row % 3 == 2 ? border : "";
    }
    return text;
}

std::string RandomRows(const Givens& givens, std::mt19937_64& random)
{
    constexpr std::string_view kOpen = "0.-x_ ";
    constexpr std::string_view kTails[] = {"", "", "", "  # Zeile", "|||", "123456789", "\t\t"};
    std::string text = Roll(random, 0, 4) == 0 ? "\xEF\xBB\xBF" : "";
    const std::string_view lineEnd = Pick(kLineEnds, random);
    for (std::size_t row = 0; row < 9; ++row) {
        for (std::size_t column = 0; column < 9; ++column) {
            text += CellChar(givens[row * 9 + column], Pick(kOpen, random));
        }
        text += Pick(kTails, random);
        if (row < 8 || Roll(random, 0, 1) == 1) {
            text += lineEnd;
        }
    }
    return text;
}

std::string WithShortLine(const Givens& givens, std::mt19937_64& random)
{
    std::string text;
    const int shortRow = Roll(random, 0, 8);
    for (int row = 0; row < 9; ++row) {
        std::string line = PlainRows(givens, '.', "").substr(static_cast<std::size_t>(row) * 9, 9);
        if (row == shortRow) {
            line.resize(static_cast<std::size_t>(Roll(random, 0, 8)));
        }
        text += line + "\n";
    }
    return text;
}

std::string WithWrongLineCount(const Givens& givens, std::mt19937_64& random)
{
    const int lines = Roll(random, 0, 1) == 0 ? Roll(random, 1, 8) : Roll(random, 10, 17);
    const std::string rows = PlainRows(givens, '.', "\n");
    std::string text;
    for (int line = 0; line < lines; ++line) {
        text += rows.substr(static_cast<std::size_t>(line % 9) * 10, 10);
    }
    return text;
}

std::string ShortLineGarbage(std::mt19937_64& random)
{
    // The first line holds a character that is neither blank nor part of a border, so the file is not empty.
    std::string text = "x";
    const int lines = Roll(random, 1, 30);
    for (int line = 0; line < lines; ++line) {
        const int length = Roll(random, 0, line == 0 ? 7 : 8);
        for (int byte = 0; byte < length; ++byte) {
            char character = static_cast<char>(Roll(random, 0, 255));
            if (character == '\r' || character == '\n') {
                character = ' ';
            }
            text += character;
        }
        text += Pick(kLineEnds, random);
    }
    return text;
}

} // namespace zifora::test
