// SPDX-License-Identifier: MIT
#include "solve/board_expectations.h"
#include "solve/steps.h"

#include <gtest/gtest.h>

namespace zifora {
namespace {

using test::ExpectSameBoard;
using test::LoadedBoard;
using test::MarkPlaced;

// Every open cell here is empty apart from those a case is about, so only those are tested. MarkSolvedCells
// leaves the current cell on the last open cell, (9, 9).
Board AfterPlacing(Board expected, int row, int column, std::string_view digit)
{
    MarkPlaced(expected, row, column, digit);
    UpdateMissing(expected);
    expected.Feld.SetCurrent(9, 9);
    return expected;
}

// 4 is in no other text of row 2; 2 and 7 stand elsewhere in row 2 and in column 5.
const std::array<std::string, 9> kRowSingle247 {
    ". . . . . . . . .",
    "2 7 . . 247 . . . .",
    ". . . . . . . . .",
    ". . . . . . . . .",
    ". . . . 2 . . . .",
    ". . . . . . . . .",
    ". . . . . . . . .",
    ". . . . 7 . . . .",
    ". . . . . . . . .",
};

TEST(SinglesStep, PlacesDigitUniqueInItsRow)
{
    Board board = LoadedBoard(kRowSingle247);
    const Board expected = AfterPlacing(board, 2, 5, "4");
    SolveTables tables;
    SinglesStep(board, tables);
    ExpectSameBoard(board, expected);
    EXPECT_EQ(board.Feld.TextMatrix(2, 0), "135689");
    EXPECT_EQ(board.Feld.TextMatrix(0, 5), "135689");
    EXPECT_EQ(board.Gruppe.TextMatrix(0, 1), "12356789");
}

TEST(SinglesStep, PlacesAsTrialInTrialMode)
{
    Board board = LoadedBoard(kRowSingle247);
    board.TestMode = true;
    SolveTables tables;
    SinglesStep(board, tables);
    EXPECT_EQ(board.Feld.TextMatrix(2, 5), "4");
    EXPECT_EQ(board.CellState(2, 5), kTrial);
    EXPECT_EQ(board.Feld.Look(2, 5), (CellLook {Colour::Magenta, Weight::Bold, Alignment::Center}));
}

// 1 is unique in row 1 only, 2 in column 1 only: both are written in turn, and the cell keeps the look
// and code of the first placement.
TEST(SinglesStep, ContradictoryCellKeepsLaterDigitWithFirstPlacementsLook)
{
    Board board = LoadedBoard({
        "12 . . . 2 . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        "1 . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    const Board expected = AfterPlacing(board, 1, 1, "2");
    SolveTables tables;
    SinglesStep(board, tables);
    ExpectSameBoard(board, expected);
    EXPECT_EQ(board.Feld.TextMatrix(1, 0), "13456789");
}

// 3 and 8 of (5, 5) each stand twice in its row and column, but 3 is in no other cell of its box; the
// other two 38 cells lie in boxes that already hold 3 and 8.
TEST(SinglesStep, BoxPhasePlacesDigitAndNoLongerCountsThePlacedCell)
{
    Board board = LoadedBoard({
        "3 . . . 38 . . . 8",
        ". . . 3 . . . . .",
        ". . . . . 8 . . .",
        ". 3 . . . . . . .",
        "38 . . . 38 . . . .",
        ". . 8 . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        "8 . . . . . . . .",
    });
    // Were the placed cell still counted for 8 through its old entry, it would end up holding 8.
    const Board expected = AfterPlacing(board, 5, 5, "3");
    SolveTables tables;
    SinglesStep(board, tables);
    ExpectSameBoard(board, expected);
}

// The single candidate 8 of (1, 1) is unique nowhere: it is placed only by the MarkSolvedCells that follows
// some other placement, here of the row single 5 at (9, 9).
TEST(SinglesStep, CellWithOneCandidateIsPlacedOnlyAlongWithAnotherPlacement)
{
    std::array<std::string, 9> rows {
        "?8 89 89 . . . . . .",
        "89 89 89 . . . . . .",
        "89 89 89 . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    };
    Board board = LoadedBoard(rows);
    Board expected = board;
    SolveTables tables;
    SinglesStep(board, tables);
    // Phase 1 makes every open cell current in turn and leaves the current cell on the last one.
    expected.Feld.SetCurrent(9, 9);
    ExpectSameBoard(board, expected);

    rows[8] = ". . . . . . . . ?5";
    board = LoadedBoard(rows);
    expected = board;
    MarkPlaced(expected, 1, 1, "8");
    expected = AfterPlacing(expected, 9, 9, "5");
    // 5 is unique in its row and in its column: the second MarkSolvedCells of the double write no longer
    // visits (9, 9) and leaves the current cell on the last cell still open.
    expected.Feld.SetCurrent(9, 8);
    SinglesStep(board, tables);
    ExpectSameBoard(board, expected);
}

// A = (5, 2) holds 56, B = (5, 8) holds 68; row 5 holds 6 only in A and B. 5 is unique to A's column,
// while every other digit stands twice in its row and column and is no longer missing from B's box.
TEST(SinglesStep, PlacementShowsInCapturedRowOnlyAtNextClick)
{
    Board board = LoadedBoard({
        ". . . . . . . 6 .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . 6",
        ". 56 . . . . 8 68 .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". 6 . . . . . . .",
        ". . . . . . . 8 .",
    });
    SolveTables tables;
    SinglesStep(board, tables);
    EXPECT_EQ(board.Feld.TextMatrix(5, 2), "5");
    EXPECT_EQ(board.CellState(5, 2), kPlaced);
    EXPECT_EQ(board.Feld.TextMatrix(5, 8), "68");
    EXPECT_EQ(board.CellState(5, 8), kOpen);
    EXPECT_EQ(tables.RowTexts[5], "56868");

    const Board expected = AfterPlacing(board, 5, 8, "6");
    SinglesStep(board, tables);
    ExpectSameBoard(board, expected);
    EXPECT_EQ(tables.RowTexts[5], "5868");
}

TEST(SinglesStep, StartUpBoardStaysAsItIs)
{
    Board board;
    const Board before = board;
    SolveTables tables;
    SinglesStep(board, tables);
    ExpectSameBoard(board, before);
}

} // namespace
} // namespace zifora
