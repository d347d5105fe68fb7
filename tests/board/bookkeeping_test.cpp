// SPDX-License-Identifier: MIT
#include "board/bookkeeping.h"
#include "board/box.h"
#include "support/board_rows.h"

#include <gtest/gtest.h>

namespace zifora {
namespace {

using test::BoardFromRows;

void ExpectEverySummary(const Board& board, const std::string& missing)
{
    for (int index = 1; index <= 9; ++index) {
        EXPECT_EQ(board.Feld.TextMatrix(index, 0), missing) << "row " << index;
        EXPECT_EQ(board.Feld.TextMatrix(0, index), missing) << "column " << index;
    }
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            EXPECT_EQ(board.Gruppe.TextMatrix(boxRow, boxColumn), missing);
        }
    }
}

TEST(BoxArithmetic, MapsCellsToBoxesAndPositionsBothWays)
{
    EXPECT_EQ(BoxRow(3), 0);
    EXPECT_EQ(BoxRow(4), 1);
    EXPECT_EQ(BoxColumn(9), 2);
    EXPECT_EQ(BoxPosition(1, 1), 1);
    EXPECT_EQ(BoxPosition(5, 9), 6);
    EXPECT_EQ(BoxPosition(9, 7), 7);
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const int position = BoxPosition(row, column);
            EXPECT_EQ(RowOfBoxPosition(BoxRow(row), position), row);
            EXPECT_EQ(ColumnOfBoxPosition(BoxColumn(column), position), column);
        }
    }
}

TEST(UpdateMissing, StartUpBoardCountsEveryEmptyCellAsPlaced)
{
    Board board;
    UpdateMissing(board);
    ExpectEverySummary(board, "123456789");
    EXPECT_EQ(board.SolvedCount, 81);
    EXPECT_EQ(board.Label2, (Label {"OK", Colour::Red}));
    EXPECT_EQ(board.Feld.TextMatrix(0, 0), "");
}

TEST(UpdateMissing, CompleteBoardLeavesNothingMissing)
{
    Board board = BoardFromRows(test::kCompleteBoard);
    UpdateMissing(board);
    ExpectEverySummary(board, "");
    EXPECT_EQ(board.Label2.caption, "OK");
}

TEST(UpdateMissing, ReadsOnlyPlacedCellsAndCountsTrialCellsAsPlaced)
{
    Board board = BoardFromRows({
        "5 . . . . . . . 5",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . 12 . .",
        ". . . . . . . . 7",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    board.CellState(5, 9) = kTrial;
    UpdateMissing(board);
    // The duplicate 5 is simply absent; both cells are counted.
    EXPECT_EQ(board.Feld.TextMatrix(1, 0), "12346789");
    EXPECT_EQ(board.Feld.TextMatrix(0, 9), "1234689");
    EXPECT_EQ(board.Feld.TextMatrix(4, 0), "123456789") << "an open cell's candidates are not digits placed";
    EXPECT_EQ(board.Gruppe.TextMatrix(1, 2), "12345689") << "box of rows 4..6, columns 7..9";
    EXPECT_EQ(board.Gruppe.TextMatrix(0, 2), "12346789");
    EXPECT_EQ(board.SolvedCount, 3);
    EXPECT_EQ(board.Label2, (Label {"3", Colour::Default}));
    EXPECT_EQ(board.Feld.TextMatrix(0, 0), "");
}

TEST(UpdateMissing, RedBackgroundStaysWhenTheCountDropsBelow81)
{
    Board board;
    UpdateMissing(board);
    board.CellState(1, 1) = kOpen;
    board.CellState(5, 5) = kOpen;
    board.CellState(9, 9) = kOpen;
    UpdateMissing(board);
    EXPECT_EQ(board.Label2, (Label {"78", Colour::Red}));
}

TEST(UpdateMissing, LeavesCellsAndCurrentCellAlone)
{
    Board board = BoardFromRows({
        "1 29 . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    board.Feld.SetCurrent(4, 6);
    UpdateMissing(board);
    EXPECT_EQ(board.Feld.TextMatrix(1, 2), "29");
    EXPECT_EQ(board.CellState(1, 2), kOpen);
    EXPECT_EQ(board.Feld.Row(), 4);
    EXPECT_EQ(board.Feld.Col(), 6);
}

TEST(ComputeCandidates, IntersectsRowColumnAndBoxInRowOrder)
{
    Board board = BoardFromRows({
        ". 3 4 5 6 7 . . .",
        "6 1 . . . . . . .",
        "7 . . . . . . . .",
        "3 . . . . . . . .",
        "4 . . . . . . . .",
        "5 . . . . . . . .",
        "8 . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ComputeCandidates(board);
    EXPECT_EQ(board.Feld.TextMatrix(1, 0), "1289");
    EXPECT_EQ(board.Feld.TextMatrix(0, 1), "129");
    EXPECT_EQ(board.Gruppe.TextMatrix(0, 0), "2589");
    EXPECT_EQ(board.Feld.TextMatrix(1, 1), "29");
}

TEST(ComputeCandidates, RewritesOpenCellsOnlyAndPlacesNothing)
{
    Board board = BoardFromRows({
        "1 2 3 4 5 6 7 . 37",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    board.CellState(1, 7) = kTrial;
    board.Feld.SetCurrent(1, 7);
    board.Feld.SetCellLook({Colour::Red, std::nullopt, board.Feld.Look(1, 7).align});
    board.Feld.SetCurrent(3, 3);
    ComputeCandidates(board);
    EXPECT_EQ(board.Feld.TextMatrix(1, 9), "89") << "narrowed candidates come back in full";
    EXPECT_EQ(board.Feld.TextMatrix(1, 8), "89");
    EXPECT_EQ(board.Feld.TextMatrix(1, 7), "7");
    EXPECT_EQ(board.CellState(1, 7), kTrial);
    EXPECT_EQ(board.Feld.Look(1, 7).back, Colour::Red);
    EXPECT_EQ(board.Feld.TextMatrix(2, 1), "456789");
    EXPECT_EQ(board.Feld.Row(), 3);
    EXPECT_EQ(board.Feld.Col(), 3);
}

TEST(ComputeCandidates, SingleCandidateStaysOpen)
{
    Board board = BoardFromRows({
        "1 2 3 4 5 6 7 8 .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ComputeCandidates(board);
    EXPECT_EQ(board.Feld.TextMatrix(1, 9), "9");
    EXPECT_EQ(board.CellState(1, 9), kOpen);
}

TEST(MarkSolvedCells, PlacesSingleCharacterCellsWithTheLookOfTheMode)
{
    for (const bool trial : {false, true}) {
        Board board = BoardFromRows({
            "?7 . . . . . . . .",
            ". . . . 23 . . . .",
            ". . . . . . . . .",
            ". . . . . . . . .",
            ". . . . . . . . .",
            ". . . . . . . . .",
            ". . . . . . . . .",
            ". . . . . . . . .",
            ". . . . . . . . 5",
        });
        board.TestMode = trial;
        MarkSolvedCells(board);
        EXPECT_EQ(board.CellState(1, 1), trial ? kTrial : kPlaced);
        EXPECT_EQ(board.Feld.Look(1, 1),
            (CellLook {trial ? Colour::Magenta : Colour::Cyan, Weight::Bold, Alignment::Center}));
        EXPECT_EQ(board.Feld.TextMatrix(1, 0), "12345689");
        EXPECT_EQ(board.Feld.TextMatrix(0, 1), "12345689");
        EXPECT_EQ(board.Gruppe.TextMatrix(0, 0), "12345689");
        EXPECT_EQ(board.CellState(2, 5), kOpen);
        EXPECT_EQ(board.Feld.Look(2, 5), CellLook {});
        EXPECT_EQ(board.CellState(1, 2), kOpen) << "an empty text stays open";
        EXPECT_EQ(board.SolvedCount, 2);
        EXPECT_EQ(board.Feld.Row(), 9) << "left on the last open cell visited";
        EXPECT_EQ(board.Feld.Col(), 8);
    }
}

TEST(MarkSolvedCells, PlacesTwinSinglesOfOneRowWithoutPropagating)
{
    Board board = BoardFromRows({
        "?4 . ?4 48 . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    MarkSolvedCells(board);
    EXPECT_EQ(board.CellState(1, 1), kPlaced);
    EXPECT_EQ(board.CellState(1, 3), kPlaced);
    EXPECT_EQ(board.Feld.TextMatrix(1, 4), "48");
    EXPECT_EQ(board.Feld.TextMatrix(1, 0), "12356789");
}

TEST(MarkSolvedCells, StartUpBoardPlacesNothingAndKeepsTheCurrentCell)
{
    Board board;
    board.Feld.SetCurrent(2, 3);
    MarkSolvedCells(board);
    EXPECT_EQ(board.Feld.Row(), 2);
    EXPECT_EQ(board.Feld.Col(), 3);
    EXPECT_EQ(board.Label2, (Label {"OK", Colour::Red}));
    EXPECT_EQ(board.Feld.Look(1, 1), CellLook {});
}

} // namespace
} // namespace zifora
