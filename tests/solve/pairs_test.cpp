// SPDX-License-Identifier: MIT
#include "solve/board_expectations.h"
#include "solve/steps.h"

#include <gtest/gtest.h>
#include <vector>

namespace zifora {
namespace {

using test::ExpectSameBoard;
using test::LoadedBoard;
using test::MarkPlaced;

struct TextAt {
    int row;
    int column;
    std::string text;
};

// Every open cell is empty apart from those a case is about. The step ends with MarkSolvedCells, which
// leaves the current cell on the last open cell, (9, 9).
Board Expected(Board board, const std::vector<TextAt>& texts, const std::vector<TextAt>& placed = {})
{
    for (const TextAt& cell : texts) {
        board.Feld.SetTextMatrix(cell.row, cell.column, cell.text);
    }
    for (const TextAt& cell : placed) {
        MarkPlaced(board, cell.row, cell.column, cell.text);
    }
    UpdateMissing(board);
    board.Feld.SetCurrent(9, 9);
    return board;
}

Board AfterStep(Board board)
{
    SolveTables tables;
    PairsStep(board, tables);
    return board;
}

// Only the row or column can form the pair in these positions; the other units hold one text each.
TEST(PairsStep, StrikesPairDigitsFromRestOfRow)
{
    const Board board = LoadedBoard({
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". 57 . . . 57 . 159 .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ExpectSameBoard(AfterStep(board), Expected(board, {{3, 8, "19"}}));
}

TEST(PairsStep, StrikesPairDigitsFromRestOfColumn)
{
    const Board board = LoadedBoard({
        ". . . . . . . . .",
        ". . . . . . 26 . .",
        ". . . . . . . . .",
        ". . . . . . 236 . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . 26 . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ExpectSameBoard(AfterStep(board), Expected(board, {}, {{4, 7, "3"}}));
}

TEST(PairsStep, ThirdEqualTextInARowIsEmptiedAndStaysOpen)
{
    const Board board = LoadedBoard({
        "57 . . 57 . . . . 57",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    const Board after = AfterStep(board);
    ExpectSameBoard(after, Expected(board, {{1, 9, ""}}));
    EXPECT_EQ(after.CellState(1, 9), kOpen);
}

TEST(PairsStep, LeavesTextsAloneWithoutAMatchingPair)
{
    const std::vector<std::array<std::string, 9>> positions {
        // 57 and 75 are different texts.
        {"57 . . 75 . . 579 . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            ". . . . . . . . ."},
        // A pair whose digits stand nowhere else in its units.
        {"57 . . 57 . . 18 . .", ". . . . . . . . .", ". . . . . . . . .", "57 . . . . . . . .",
            ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            ". . . . . . . . ."},
        // No text of two digits at all.
        {"123 . . 456 . . 789 . .", ". 1 . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            ". . . . 12345 . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            "1 . . . . . . . ."},
    };
    for (const auto& rows : positions) {
        const Board board = LoadedBoard(rows);
        SCOPED_TRACE(rows[0]);
        ExpectSameBoard(AfterStep(board), Expected(board, {}));
    }
}

// 578 is cut to 8 by the row pass and placed before the column pass, so the column's pair 18 leaves it.
TEST(PairsStep, CellCutToOneDigitIsPlacedBeforeTheColumnPass)
{
    const Board board = LoadedBoard({
        "57 . . . 57 . . . 578",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . 18",
        ". . . . . . . . .",
        ". . . . . . . . 18",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ExpectSameBoard(AfterStep(board), Expected(board, {}, {{1, 9, "8"}}));
}

// A pair gone out of date since its digit was placed (issue 4): the placed cell keeps its digit in the
// row, the column and the box pass alike.
TEST(PairsStep, NeverChangesAPlacedCell)
{
    const std::vector<std::array<std::string, 9>> positions {
        {"5 57 . . 57 . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            ". . . . . . . . ."},
        {"5 . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", "57 . . . . . . . .",
            ". . . . . . . . .", ". . . . . . . . .", "57 . . . . . . . .", ". . . . . . . . .",
            ". . . . . . . . ."},
        {"5 . . . . . . . .", ". 57 . . . . . . .", ". . 57 . . . . . .", ". . . . . . . . .",
            ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
            ". . . . . . . . ."},
    };
    for (const auto& rows : positions) {
        const Board board = LoadedBoard(rows);
        const Board after = AfterStep(board);
        SCOPED_TRACE(rows[1]);
        ExpectSameBoard(after, Expected(board, {}));
    }
}

// Three 34 cells of box (0, 0) sharing no line: positions 1 and 5 pair, position 9's entry is emptied
// and not written back, so its cell keeps 34.
TEST(PairsStep, BoxPassDoesNotWriteBackAnEmptiedEntry)
{
    const Board board = LoadedBoard({
        "34 . . . . . . . .",
        ". 34 3456 . . . . . .",
        ". . 34 . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    Board after = board;
    SolveTables tables;
    PairsStep(after, tables);
    ExpectSameBoard(after, Expected(board, {{2, 3, "56"}}));
    EXPECT_EQ(tables.BoxTexts[0][0][9], "");
    EXPECT_EQ(tables.BoxTexts[0][0][6], "56");
}

// Each strike is seen by the later tests of the unit: 359 becomes 39 and pairs with the 39 after it.
TEST(PairsStep, TextCutToTwoDigitsStartsALaterPair)
{
    const Board board = LoadedBoard({
        "57 57 359 39 139 . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ExpectSameBoard(AfterStep(board), Expected(board, {{1, 3, "39"}}, {{1, 5, "1"}}));
}

// 359 becomes 39 only after the scan has passed its index, so it never pairs with the later 39.
TEST(PairsStep, ScanNeverGoesBackToAnEarlierIndex)
{
    const Board board = LoadedBoard({
        "359 57 57 39 139 . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ExpectSameBoard(AfterStep(board), Expected(board, {{1, 1, "39"}}));
}

TEST(PairsStep, PlacesSingleCandidateCellsEvenWithoutAPair)
{
    const Board board = LoadedBoard({
        "?8 . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
    });
    ExpectSameBoard(AfterStep(board), Expected(board, {}, {{1, 1, "8"}}));
}

TEST(PairsStep, StartUpBoardGetsOnlyItsSummaries)
{
    Board expected;
    UpdateMissing(expected);
    ExpectSameBoard(AfterStep(Board {}), expected);
}

} // namespace
} // namespace zifora
