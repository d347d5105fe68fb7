// SPDX-License-Identifier: MIT
#include "board/bookkeeping.h"
#include "solve/steps.h"
#include "support/board_rows.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zifora {
namespace {

using test::Replaced;
using test::Rows;

using Step = void (*)(Board&, SolveTables&);

// Each step ends with MarkSolvedCells, which leaves the current cell on the last open cell it visits:
// (9, 9) wherever that cell stays open.
struct StepCase {
    const char* name;
    Step step;
    int clicks;
    bool trial;
    Rows before;
    Rows after;
    std::string label;
    std::pair<int, int> current = {9, 9};
    std::vector<std::pair<std::string, std::string>> summaries = {};
};

const Rows kRowSingle {". . . . . . . . .", "2 7 . . 247 . . . .", ". . . . . . . . .", ". . . . . . . . .",
    ". . . . 2 . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . 7 . . . .", ". . . . . . . . ."};
const Rows kCapturedRow {". . . . . . . 6 .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . 6",
    ". 56 . . . . 8 68 .", ". . . . . . . . .", ". . . . . . . . .", ". 6 . . . . . . .",
    ". . . . . . . 8 ."};
const Rows kEmpty {". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
    ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."};

// kEmpty with some rows replaced.
Rows With(const std::vector<std::pair<int, std::string>>& rows)
{
    Rows board = kEmpty;
    for (const auto& [row, text] : rows) {
        board[static_cast<std::size_t>(row - 1)] = text;
    }
    return board;
}

const StepCase kCases[] = {
    // 4 is unique in row 2 (and column 5); 2 and 7 stand twice in both.
    {"row single", SinglesStep, 1, false, kRowSingle, Replaced(kRowSingle, 2, "2 7 . . 4* . . . ."), "5",
        {9, 9}, {{"r2", "135689"}, {"c5", "135689"}, {"b01", "12356789"}}},
    {"row single in trial mode", SinglesStep, 1, true, kRowSingle,
        Replaced(kRowSingle, 2, "2 7 . . 4+ . . . ."), "5"},
    // 1 is unique in row 1 only, 2 in column 1 only: the later digit stays, with the first placement's look.
    {"contradictory cell", SinglesStep, 1, false, With({{1, "12 . . . 2 . . . ."}, {5, "1 . . . . . . . ."}}),
        With({{1, "2* . . . 2 . . . ."}, {5, "1 . . . . . . . ."}}), "3", {9, 9}, {{"r1", "13456789"}}},
    // 3 of (5, 5) stands twice in its row and column but once in its box; the other 38 cells lie in boxes
    // that hold 3 and 8, and the placed cell no longer counts for 8 through its old entry.
    {"box single", SinglesStep, 1, false,
        {"3 . . . 38 . . . 8", ". . . 3 . . . . .", ". . . . . 8 . . .", ". 3 . . . . . . .",
            "38 . . . 38 . . . .", ". . 8 . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            "8 . . . . . . . ."},
        {"3 . . . 38 . . . 8", ". . . 3 . . . . .", ". . . . . 8 . . .", ". 3 . . . . . . .",
            "38 . . . 3* . . . .", ". . 8 . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            "8 . . . . . . . ."},
        "8"},
    // The single candidate 8 is unique nowhere: it is placed only along with another placement. Phase 1
    // visits the cells row by row and leaves the last open one current.
    {"single candidate alone stays open", SinglesStep, 1, false,
        With({{1, "?8 89 89 . . . . . ."}, {2, "89 89 89 . . . . . ."}, {3, "89 89 89 . . . . . ."},
            {9, ". . . . . . . . 1"}}),
        With({{1, "?8 89 89 . . . . . ."}, {2, "89 89 89 . . . . . ."}, {3, "89 89 89 . . . . . ."},
            {9, ". . . . . . . . 1"}}),
        "1", {9, 8}},
    // 5 is unique in its row and its column: the second write's MarkSolvedCells no longer visits (9, 9).
    {"single candidate placed along", SinglesStep, 1, false,
        With({{1, "?8 89 89 . . . . . ."}, {2, "89 89 89 . . . . . ."}, {3, "89 89 89 . . . . . ."},
            {9, ". . . . . . . . ?5"}}),
        With({{1, "8* 89 89 . . . . . ."}, {2, "89 89 89 . . . . . ."}, {3, "89 89 89 . . . . . ."},
            {9, ". . . . . . . . 5*"}}),
        "2", {9, 8}},
    // 5 is unique to (5, 2)'s column; 6 is unique in row 5 only once the row text is taken again.
    {"placement unseen by the captured row", SinglesStep, 1, false, kCapturedRow,
        With({{1, ". . . . . . . 6 ."}, {4, ". . . . . . . . 6"}, {5, ". 5* . . . . 8 68 ."},
            {8, ". 6 . . . . . . ."}, {9, ". . . . . . . 8 ."}}),
        "6"},
    {"placement seen at the next click", SinglesStep, 2, false, kCapturedRow,
        With({{1, ". . . . . . . 6 ."}, {4, ". . . . . . . . 6"}, {5, ". 5* . . . . 8 6* ."},
            {8, ". 6 . . . . . . ."}, {9, ". . . . . . . 8 ."}}),
        "7"},
    {"row pair", PairsStep, 1, false, With({{3, ". 57 . . . . . 159 57"}}),
        With({{3, ". 57 . . . . . 19 57"}}), "0"},
    {"column pair", PairsStep, 1, false,
        With({{2, ". . . . . . 26 . ."}, {4, ". . . . . . 236 . ."}, {7, ". . . . . . 26 . ."}}),
        With({{2, ". . . . . . 26 . ."}, {4, ". . . . . . 3* . ."}, {7, ". . . . . . 26 . ."}}), "1"},
    {"third equal text emptied, stays open", PairsStep, 1, false, With({{1, "57 . . 57 . . . . 57"}}),
        With({{1, "57 . . 57 . . . . ."}}), "0"},
    {"57 and 75 differ", PairsStep, 1, false, With({{1, "57 . . 75 . . 579 . ."}}),
        With({{1, "57 . . 75 . . 579 . ."}}), "0"},
    {"pair digits nowhere else", PairsStep, 1, false,
        With({{1, "57 . . 57 . . 18 . ."}, {4, "57 . . . . . . . ."}}),
        With({{1, "57 . . 57 . . 18 . ."}, {4, "57 . . . . . . . ."}}), "0"},
    {"no two-digit text", PairsStep, 1, false,
        With({{1, "123 . . 456 . . 789 . ."}, {2, ". 1 . . . . . . ."}, {5, ". . . . 12345 . . . ."},
            {9, "1 . . . . . . . ."}}),
        With({{1, "123 . . 456 . . 789 . ."}, {2, ". 1 . . . . . . ."}, {5, ". . . . 12345 . . . ."},
            {9, "1 . . . . . . . ."}}),
        "2"},
    // 578 is cut to 8 by the row pass and placed before the column pass, whose pair 18 then leaves it.
    {"cut cell placed before the column pass", PairsStep, 1, false,
        With({{1, "57 . . . 57 . . . 578"}, {4, ". . . . . . . . 18"}, {6, ". . . . . . . . 18"}}),
        With({{1, "57 . . . 57 . . . 8*"}, {4, ". . . . . . . . 18"}, {6, ". . . . . . . . 18"}}), "1"},
    // Issue 4: a pair gone out of date since its digit was placed never changes the placed cell.
    {"trial cell kept by the row pass", PairsStep, 1, false, With({{1, "5+ 57 . . 57 . . . ."}}),
        With({{1, "5+ 57 . . 57 . . . ."}}), "1"},
    {"placed cell kept by the column pass", PairsStep, 1, false,
        With({{1, "5 . . . . . . . ."}, {4, "57 . . . . . . . ."}, {7, "57 . . . . . . . ."}}),
        With({{1, "5 . . . . . . . ."}, {4, "57 . . . . . . . ."}, {7, "57 . . . . . . . ."}}), "1"},
    {"placed cell kept by the box pass", PairsStep, 1, false,
        With({{1, "5 . . . . . . . ."}, {2, ". 57 . . . . . . ."}, {3, ". . 57 . . . . . ."}}),
        With({{1, "5 . . . . . . . ."}, {2, ". 57 . . . . . . ."}, {3, ". . 57 . . . . . ."}}), "1"},
    // Three 34 cells of one box sharing no line: the third one's emptied entry is not written back.
    {"box pass keeps an emptied entry's text", PairsStep, 1, false,
        With({{1, "34 . . . . . . . ."}, {2, ". 34 3456 . . . . . ."}, {3, ". . 34 . . . . . ."}}),
        With({{1, "34 . . . . . . . ."}, {2, ". 34 56 . . . . . ."}, {3, ". . 34 . . . . . ."}}), "0"},
    // 359 becomes 39 and pairs with the 39 after it; had it come first, the scan would not go back to it.
    {"cut text starts a later pair", PairsStep, 1, false, With({{1, "57 57 359 39 139 . . . ."}}),
        With({{1, "57 57 39 39 1* . . . ."}}), "1"},
    {"scan never goes back", PairsStep, 1, false, With({{1, "359 57 57 39 139 . . . ."}}),
        With({{1, "39 57 57 39 139 . . . ."}}), "0"},
    {"single candidate placed without a pair", PairsStep, 1, false, With({{1, "?8 . . . . . . . ."}}),
        With({{1, "8* . . . . . . . ."}}), "1"},
};

TEST(SolvingSteps, TurnRowsBeforeIntoRowsAfter)
{
    for (const StepCase& row : kCases) {
        SCOPED_TRACE(row.name);
        Board board = test::BoardFromRows(row.before);
        board.TestMode = row.trial;
        UpdateMissing(board);
        SolveTables tables;
        for (int click = 0; click < row.clicks; ++click) {
            row.step(board, tables);
        }
        EXPECT_EQ(test::RowsOf(board), row.after);
        EXPECT_EQ(board.Label2.caption, row.label);
        EXPECT_EQ(std::make_pair(board.Feld.Row(), board.Feld.Col()), row.current);
        for (const auto& [name, missing] : row.summaries) {
            EXPECT_EQ(test::Summary(board, name), missing) << name;
        }
    }
}

} // namespace
} // namespace zifora
