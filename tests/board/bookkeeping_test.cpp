// SPDX-License-Identifier: MIT
#include "board/bookkeeping.h"
#include "support/board_rows.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zifora {
namespace {

using test::Replaced;
using test::Rows;

struct BookkeepingCase {
    const char* name;
    void (*procedure)(Board&);
    bool trial;
    Rows before;
    Rows after;
    Label label;
    std::pair<int, int> current; // the cell (3, 3) is current before
    std::vector<std::pair<std::string, std::string>> summaries;
    Colour labelBefore = Colour::Default;
};

// A complete board with the four 49 cells of rows 6 and 8, columns 4 and 6, and (1, 1) open; (6, 4) shows
// a stale single 9, (8, 6) holds a trial 9.
const Rows kHoles {". 3 4 6 7 8 9 1 2", "6 7 2 1 9 5 3 4 8", "1 9 8 3 4 2 5 6 7", "8 5 9 7 6 1 4 2 3",
    "4 2 6 8 5 3 7 9 1", "7 1 3 ?9 2 . 8 5 6", "9 6 1 5 3 7 2 8 4", "2 8 7 49 1 9+ 6 3 5",
    "3 4 5 2 8 6 1 7 9"};
const Rows kComplete {"5 3 4 6 7 8 9 1 2", "6 7 2 1 9 5 3 4 8", "1 9 8 3 4 2 5 6 7", "8 5 9 7 6 1 4 2 3",
    "4 2 6 8 5 3 7 9 1", "7 1 3 9 2 4 8 5 6", "9 6 1 5 3 7 2 8 4", "2 8 7 4 1 9 6 3 5", "3 4 5 2 8 6 1 7 9"};
const Rows kSingles {"?7 . . . . . . . .", ". . . . 23 . . . .", ". . . . . . . . .", ". . . . . . . . .",
    ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . 5"};
const Rows kTwins {"?4 . ?4 48 . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
    ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."};
const Rows kDuplicate {"5 . . . . . . . 5", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . 12 . .",
    ". . . . . . . . 7+", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . ."};

const BookkeepingCase kCases[] = {
    // The duplicate 5 is simply absent; an open cell's candidates are not placed digits; trial cells count.
    {"UpdateMissing reads placed cells", UpdateMissing, false, kDuplicate, kDuplicate, {"3"}, {3, 3},
        {{"r1", "12346789"}, {"c9", "1234689"}, {"r4", "123456789"}, {"b12", "12345689"}, {"b02", "12346789"},
            {"r0", ""}}},
    {"UpdateMissing keeps the red below 81", UpdateMissing, false,
        Replaced(kComplete, 9, ". . . 2 8 6 1 7 9"), Replaced(kComplete, 9, ". . . 2 8 6 1 7 9"),
        {"78", Colour::Red}, {3, 3}, {{"r9", "345"}}, Colour::Red},
    // Stale texts come back in full, in ascending order; placed and trial cells keep digit and look; a
    // single candidate stays open.
    {"ComputeCandidates", ComputeCandidates, false, kHoles,
        {"?5 3 4 6 7 8 9 1 2", "6 7 2 1 9 5 3 4 8", "1 9 8 3 4 2 5 6 7", "8 5 9 7 6 1 4 2 3",
            "4 2 6 8 5 3 7 9 1", "7 1 3 49 2 ?4 8 5 6", "9 6 1 5 3 7 2 8 4", "2 8 7 ?4 1 9+ 6 3 5",
            "3 4 5 2 8 6 1 7 9"},
        {"77"}, {3, 3}, {{"r6", "49"}, {"c4", "49"}, {"b11", "49"}, {"b21", "4"}}},
    {"MarkSolvedCells", MarkSolvedCells, false, kSingles, Replaced(kSingles, 1, "7* . . . . . . . ."), {"2"},
        {9, 8}, {{"r1", "12345689"}, {"c1", "12345689"}, {"b00", "12345689"}}},
    {"MarkSolvedCells in trial mode", MarkSolvedCells, true, kSingles,
        Replaced(kSingles, 1, "7+ . . . . . . . ."), {"2"}, {9, 8}, {}},
    // Placing does not propagate: both 4s are placed, 48 keeps its text.
    {"MarkSolvedCells places twin singles", MarkSolvedCells, false, kTwins,
        Replaced(kTwins, 1, "4* . 4* 48 . . . . ."), {"2"}, {9, 9}, {{"r1", "12356789"}}},
};

TEST(Bookkeeping, TurnsRowsBeforeIntoRowsAfterAndSummaries)
{
    for (const BookkeepingCase& row : kCases) {
        SCOPED_TRACE(row.name);
        Board board = test::BoardFromRows(row.before);
        board.TestMode = row.trial;
        board.Label2.back = row.labelBefore;
        board.Feld.SetCurrent(3, 3);
        row.procedure(board);
        EXPECT_EQ(test::RowsOf(board), row.after);
        EXPECT_EQ(board.Label2, row.label);
        EXPECT_EQ(std::make_pair(board.Feld.Row(), board.Feld.Col()), row.current);
        for (const auto& [name, missing] : row.summaries) {
            EXPECT_EQ(test::Summary(board, name), missing) << name;
        }
    }
}

} // namespace
} // namespace zifora
