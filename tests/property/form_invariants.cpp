// SPDX-License-Identifier: MIT
#include "form_invariants.h"

#include "board/box.h"

#include <array>
#include <cstdint>

namespace zifora::test {
namespace {

// Written out here rather than taken from the bookkeeping, so that a fault there cannot hide itself. A digit
// is missing from a unit when no placed cell of the unit has it anywhere in its text.
using DigitSet = std::uint16_t;

DigitSet DigitsIn(const std::string& text)
{
    DigitSet digits = 0;
    for (const char character : text) {
        if (character >= '1' && character <= '9') {
            digits |= static_cast<DigitSet>(1U << (character - '0'));
        }
    }
    return digits;
}

std::string MissingFrom(DigitSet present)
{
    std::string missing;
    for (int digit = 1; digit <= 9; ++digit) {
        if ((present & (1U << digit)) == 0) {
            missing += static_cast<char>('0' + digit);
        }
    }
    return missing;
}

bool Placed(const Board& board, int row, int column)
{
    return board.CellState(row, column) < 2;
}

// The digits of the placed cells of each row, column and box (box number 3 * box row + box column).
struct Present {
    std::array<DigitSet, 9> rows {};
    std::array<DigitSet, 9> columns {};
    std::array<DigitSet, 9> boxes {};
    int placed = 0;
};

Present Recount(const Board& board)
{
    Present present;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (!Placed(board, row, column)) {
                continue;
            }
            const DigitSet digits = DigitsIn(board.Feld.TextMatrix(row, column));
            present.rows[static_cast<std::size_t>(row - 1)] |= digits;
            present.columns[static_cast<std::size_t>(column - 1)] |= digits;
            const int box = BoxRow(row) * 3 + BoxColumn(column);
            present.boxes[static_cast<std::size_t>(box)] |= digits;
            ++present.placed;
        }
    }
    return present;
}

// Start-up runs no bookkeeping: until something changes the board, its summaries stay empty and the count
// shows 0, although every cell counts as placed.
bool UntouchedStartUp(const FormState& state)
{
    const Board& board = state.board;
    if (board.SolvedCount != 0 || board.Label2.caption != "0") {
        return false;
    }
    for (int row = 0; row <= 9; ++row) {
        for (int column = 0; column <= 9; ++column) {
            if (!board.Feld.TextMatrix(row, column).empty()
                || (row > 0 && column > 0 && !Placed(board, row, column))) {
                return false;
            }
        }
    }
    for (int unit = 0; unit < 9; ++unit) {
        if (!board.Gruppe.TextMatrix(unit / 3, unit % 3).empty()) {
            return false;
        }
    }
    return true;
}

bool IsDigitString(const std::string& text)
{
    char previous = '0';
    for (const char character : text) {
        if (character <= previous || character > '9') {
            return false;
        }
        previous = character;
    }
    return true;
}

std::string Cell(int row, int column)
{
    return "(" + std::to_string(row) + ", " + std::to_string(column) + ")";
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string Mismatch(const std::string& what, const std::string& shown, const std::string& recounted)
{
    return what + " shows " + Quoted(shown) + " but the cells give " + Quoted(recounted);
}

// Names the parts of the form that differ, for a message.
std::string Differences(const FormState& a, const FormState& b)
{
    const std::pair<const char*, bool> parts[] = {
        {"Feld", a.board.Feld == b.board.Feld},
        {"Gruppe", a.board.Gruppe == b.board.Gruppe},
        {"CellState", a.board.CellState == b.board.CellState},
        {"TestMode", a.board.TestMode == b.board.TestMode},
        {"SolvedCount", a.board.SolvedCount == b.board.SolvedCount},
        {"FileName", a.board.FileName == b.board.FileName},
        {"Label2", a.board.Label2 == b.board.Label2},
        {"Text1", a.Text1 == b.Text1},
        {"Text2", a.Text2 == b.Text2},
        {"wahl", a.wahl == b.wahl},
        {"Check1", a.Check1 == b.Check1},
        {"Reset", a.Reset == b.Reset},
        {"TestOK", a.TestOK == b.TestOK},
    };
    std::string names;
    for (const auto& [name, same] : parts) {
        if (!same) {
            names += names.empty() ? name : std::string(", ") + name;
        }
    }
    return names.empty() ? "something else" : names;
}

std::string Unchanged(const FormState& before, const FormState& after, const std::string& what)
{
    return before == after ? std::string() : what + " changed " + Differences(before, after);
}

// Permanently placed cells (given, solved or accepted, code 0) and every yellow given cell keep code, text
// and look through everything but a load.
std::string CheckPlacedKept(const FormState& before, const FormState& after)
{
    const Grid& was = before.board.Feld;
    const Grid& is = after.board.Feld;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const bool given
                = was.Look(row, column).back == Colour::Yellow || is.Look(row, column).back == Colour::Yellow;
            if (before.board.CellState(row, column) != 0 && !given) {
                continue;
            }
            if (before.board.CellState(row, column) != after.board.CellState(row, column)
                || was.TextMatrix(row, column) != is.TextMatrix(row, column)
                || !(was.Look(row, column) == is.Look(row, column))) {
                return std::string(given ? "given" : "placed") + " cell " + Cell(row, column)
                    + " changed from " + Quoted(was.TextMatrix(row, column)) + " to "
                    + Quoted(is.TextMatrix(row, column));
            }
        }
    }
    return {};
}

} // namespace

std::string CheckSummaries(const FormState& state)
{
    const Board& board = state.board;
    if (!board.Feld.TextMatrix(0, 0).empty()) {
        return "header cell (0, 0) holds " + Quoted(board.Feld.TextMatrix(0, 0));
    }
    if (UntouchedStartUp(state)) {
        return {};
    }
    const Present present = Recount(board);
    for (std::size_t unit = 0; unit < 9; ++unit) {
        const int index = static_cast<int>(unit);
        const std::string number = std::to_string(index + 1);
        if (const std::string row = MissingFrom(present.rows[unit]);
            board.Feld.TextMatrix(index + 1, 0) != row) {
            return Mismatch("the header of row " + number, board.Feld.TextMatrix(index + 1, 0), row);
        }
        if (const std::string column = MissingFrom(present.columns[unit]);
            board.Feld.TextMatrix(0, index + 1) != column) {
            return Mismatch("the header of column " + number, board.Feld.TextMatrix(0, index + 1), column);
        }
        if (const std::string box = MissingFrom(present.boxes[unit]);
            board.Gruppe.TextMatrix(index / 3, index % 3) != box) {
            return Mismatch("Gruppe of box " + number, board.Gruppe.TextMatrix(index / 3, index % 3), box);
        }
    }
    const int placed = present.placed;
    if (board.SolvedCount != placed) {
        return Mismatch("SolvedCount", std::to_string(board.SolvedCount), std::to_string(placed));
    }
    const std::string caption = placed == 81 ? "OK" : std::to_string(placed);
    if (board.Label2.caption != caption) {
        return Mismatch("Label2", board.Label2.caption, caption);
    }
    if (placed == 81 && board.Label2.back != Colour::Red) {
        return "Label2 shows \"OK\" but not on red";
    }
    return {};
}

std::string CheckTexts(const FormState& state, bool puzzleLoaded)
{
    const Board& board = state.board;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const std::string& text = board.Feld.TextMatrix(row, column);
            if (!IsDigitString(text)) {
                return "cell " + Cell(row, column) + " holds " + Quoted(text) + ", not a digit string";
            }
            if (puzzleLoaded && Placed(board, row, column) && text.size() != 1) {
                return "placed cell " + Cell(row, column) + " holds " + Quoted(text) + ", not one digit";
            }
        }
    }
    return {};
}

std::string CheckTrialControls(const FormState& state)
{
    const bool trial = state.board.TestMode;
    if (state.wahl.visible && !trial) {
        return "wahl is shown outside trial mode";
    }
    if (state.Reset.enabled != trial || state.TestOK.enabled != trial) {
        return "Reset and TestOK are not enabled exactly while trial mode is on";
    }
    if (state.Check1.checked != trial) {
        return "the check box does not show trial mode";
    }
    const Grid& feld = state.board.Feld;
    if (feld.Row() < 1 || feld.Row() > 9 || feld.Col() < 1 || feld.Col() > 9) {
        return "the current cell " + Cell(feld.Row(), feld.Col()) + " is not a board cell";
    }
    return {};
}

std::string FormInvariants::Check(const FormState& before, const FormState& after, const Event& event)
{
    if (event.kind == EventKind::Load) {
        if (std::string broken = CheckLoad(before, after, m_folder.Files()[event.file]); !broken.empty()) {
            return broken;
        }
    } else if (std::string broken = CheckPlacedKept(before, after); !broken.empty()) {
        return broken;
    }
    const bool disabledClick = event.kind == EventKind::Click
        && ((event.button == "Reset" && !before.Reset.enabled)
            || (event.button == "TestOK" && !before.TestOK.enabled));
    if (event.kind == EventKind::Cancel || !event.byUser || disabledClick) {
        if (std::string broken = Unchanged(before, after, "a move that does nothing"); !broken.empty()) {
            return broken;
        }
    }
    if (event.kind == EventKind::Click && event.button == "Check1"
        && after.board.TestMode == before.board.TestMode) {
        return "the check box did not switch trial mode";
    }
    for (std::string broken :
        {CheckSummaries(after), CheckTexts(after, m_puzzleLoaded), CheckTrialControls(after)}) {
        if (!broken.empty()) {
            return broken;
        }
    }
    return {};
}

std::string FormInvariants::CheckLoad(
    const FormState& before, const FormState& after, const SessionFile& file)
{
    const std::string path = m_folder.PathOf(file);
    if (!file.givens) {
        FormState expected = before;
        expected.Text1 = after.Text1;
        const std::string& message = after.Text1.text;
        if (message.rfind("Fehler: ", 0) != 0 || message.size() < path.size()
            || message.compare(message.size() - path.size(), path.size(), path) != 0) {
            return "refusing " + file.name + ", Text1 says " + Quoted(message);
        }
        return Unchanged(expected, after, "refusing " + file.name + " ");
    }
    if (after.board.FileName != path || after.Text2.text != path) {
        return "loading " + file.name + " did not show its name";
    }
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const std::uint8_t digit = (*file.givens)[static_cast<std::size_t>((row - 1) * 9 + column - 1)];
            const bool given = digit != 0;
            const CellLook look
                = given ? CellLook {Colour::Yellow, Weight::Bold, Alignment::Center} : CellLook {};
            if (after.board.CellState(row, column) != (given ? 0 : 2)
                || !(after.board.Feld.Look(row, column) == look)
                || (given
                    && after.board.Feld.TextMatrix(row, column)
                        != std::string(1, static_cast<char>('0' + digit)))) {
                return "loading " + file.name + " did not put cell " + Cell(row, column)
                    + " as the file has it";
            }
        }
    }
    FormState untouched = after;
    untouched.board = before.board;
    untouched.board.TestMode = after.board.TestMode;
    untouched.Text2 = before.Text2;
    // A good load hides the old list and takes a refusal's message away (issue 13).
    if (after.wahl.visible) {
        return "loading " + file.name + " left the old list shown";
    }
    untouched.wahl.visible = before.wahl.visible;
    if (after.Text1.text.empty() && before.Text1.text.rfind("Fehler: ", 0) == 0) {
        untouched.Text1 = before.Text1;
    }
    if (std::string broken = Unchanged(before, untouched, "loading " + file.name + " "); !broken.empty()) {
        return broken;
    }
    m_puzzleLoaded = true;
    return {};
}

} // namespace zifora::test
