// SPDX-License-Identifier: MIT
#include "board/digits.h"
#include "files/puzzle_file.h"
#include "window/form.h"

#include <functional>
#include <variant>

namespace zifora {
namespace {

// Stand where a load from a file shows the file's path.
constexpr std::string_view kClipboardName = "Zwischenablage";
constexpr std::string_view kTypedName = "Eingabe";

} // namespace

void Form1::Form_Paste(std::string_view text, PuzzleChooser& chooser)
{
    const PuzzleRead read = ParsePuzzles(text);
    if (const auto* error = std::get_if<LoadError>(&read)) {
        ShowRefusal(ClipboardErrorMessage(*error));
        return;
    }
    const Origin origin {PuzzleSource::Clipboard, {}, std::hash<std::string_view> {}(text)};
    OpenOne(std::get<Puzzles>(read), origin, std::string(kClipboardName), chooser);
}

void Form1::Form_Type(std::string_view cells)
{
    if (cells.size() != Puzzle {}.digits.size()) {
        return;
    }
    m_state.Text2.text = kTypedName;
    m_origin = {};
    m_number = 0;
    ShowPuzzle(PuzzleFromCells(cells));
}

std::string Form1::Givens() const
{
    return CellsOf(m_givens);
}

std::string Form1::Form_Copy() const
{
    const Board& board = m_state.board;
    std::string line;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const std::string& text = board.Feld.TextMatrix(row, column);
            // A placed cell without its digit -- the empty board of the start -- has nothing to give.
            const bool digit = text.size() == 1 && IsDigit(text[0]);
            line += IsPlaced(board.CellState(row, column)) && digit ? text[0] : '.';
        }
    }
    return line;
}

} // namespace zifora
