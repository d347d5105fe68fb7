// SPDX-License-Identifier: MIT
#include "check/consistency.h"
#include "solve/board_expectations.h"

#include <gtest/gtest.h>

namespace zifora {
namespace {

using test::BoardFromRows;
using test::ExpectSameBoard;
using test::kCompleteBoard;
using test::LoadedBoard;

std::string ReportOf(const std::array<std::string, 9>& rows)
{
    Board board = BoardFromRows(rows);
    return ConsistencyReport(board);
}

TEST(ConsistencyReport, CompleteBoardHasNoErrorsAndNoLineBreak)
{
    EXPECT_EQ(ReportOf(kCompleteBoard), "Keine Fehler!");
}

// Every cell of the start-up board counts as placed with an empty text; the summaries are stale until
// the test's own UpdateMissing, without which every line would also look like a repeat.
TEST(ConsistencyReport, StartUpBoardReportsEveryCellEmptyInOrder)
{
    std::string expected;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            expected += "Fehler: Feld leer " + std::to_string(row) + " | " + std::to_string(column) + "\r\n";
        }
    }
    Board board;
    EXPECT_EQ(ConsistencyReport(board), expected);
    EXPECT_EQ(board.Label2.caption, "OK");
}

TEST(ConsistencyReport, ReportsEmptyOpenCellButNotOneWithCandidates)
{
    // (1, 2) still lists 5, placed in its row: candidates are not checked.
    const std::string report = ReportOf({
        "5 56 . 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
    });
    EXPECT_EQ(report, "Fehler: Feld leer 1 | 3\r\n");
}

TEST(ConsistencyReport, RowWithTwoRepeatedDigitsGivesOneLine)
{
    const std::string report = ReportOf({
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "5 7 19 5 19 19 7 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
    });
    EXPECT_EQ(report, "Fehler: Reihe 4 doppel\r\n");
}

TEST(ConsistencyReport, TrialPlacementsCountAsPlaced)
{
    Board board = BoardFromRows({
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "5 19 19 19 5 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
    });
    board.CellState(4, 1) = kTrial;
    board.CellState(4, 5) = kTrial;
    EXPECT_EQ(ConsistencyReport(board), "Fehler: Reihe 4 doppel\r\n");
}

// Issue 4: a digit twice in one box, in different rows and columns, is reported; boxes are numbered
// row by row.
TEST(ConsistencyReport, ReportsBoxHoldingADigitTwice)
{
    const std::string report = ReportOf({
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 6 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 6",
        "2 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 2 19 19 19 19 19 19",
    });
    EXPECT_EQ(report, "Fehler: Block 6 doppel\r\nFehler: Block 7 doppel\r\n");
}

TEST(ConsistencyReport, OrdersRowLinesThenColumnsThenBoxes)
{
    const std::string report = ReportOf({
        "19 19 19 19 19 19 19 19 19",
        "5 19 . 19 5 19 . 19 19",
        ". 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 7",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 19",
        "19 19 19 3 19 19 19 19 19",
        "19 19 19 19 19 19 19 19 7",
        "19 19 19 19 19 3 19 19 .",
    });
    EXPECT_EQ(report,
        "Fehler: Feld leer 2 | 3\r\n"
        "Fehler: Feld leer 2 | 7\r\n"
        "Fehler: Reihe 2 doppel\r\n"
        "Fehler: Feld leer 3 | 1\r\n"
        "Fehler: Feld leer 9 | 9\r\n"
        "Fehler: Spalte 9 doppel\r\n"
        "Fehler: Block 8 doppel\r\n");
}

TEST(ConsistencyReport, ChangesNothingButTheSummaries)
{
    std::array<std::string, 9> rows = kCompleteBoard;
    rows[0] = "5 3 4 6 7 8 9 1 5";
    rows[4] = "4 2 . 8 5 3 7 9 19";
    Board board = LoadedBoard(rows);
    board.Feld.SetCurrent(4, 6);
    const Board before = board;
    EXPECT_NE(ConsistencyReport(board), "Keine Fehler!");
    ExpectSameBoard(board, before);
}

} // namespace
} // namespace zifora
