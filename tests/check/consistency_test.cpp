// SPDX-License-Identifier: MIT
#include "check/consistency.h"
#include "support/board_rows.h"

#include <gtest/gtest.h>

namespace zifora {
namespace {

// An open row whose cells all show candidates: nothing to report.
const std::string k19 = "19 19 19 19 19 19 19 19 19";

struct ReportCase {
    test::Rows board;
    std::string report;
};

const ReportCase kCases[] = {
    {{"5 3 4 6 7 8 9 1 2", "6 7 2 1 9 5 3 4 8", "1 9 8 3 4 2 5 6 7", "8 5 9 7 6 1 4 2 3", "4 2 6 8 5 3 7 9 1",
         "7 1 3 9 2 4 8 5 6", "9 6 1 5 3 7 2 8 4", "2 8 7 4 1 9 6 3 5", "3 4 5 2 8 6 1 7 9"},
        "Keine Fehler!"},
    // (1, 2) still lists 5, placed in its row: candidates are not checked.
    {{"5 56 . 19 19 19 19 19 19", k19, k19, k19, k19, k19, k19, k19, k19}, "Fehler: Feld leer 1 | 3\r\n"},
    {{k19, k19, k19, "5 7 19 5 19 19 7 19 19", k19, k19, k19, k19, k19}, "Fehler: Reihe 4 doppel\r\n"},
    {{k19, k19, k19, "5+ 19 19 19 5+ 19 19 19 19", k19, k19, k19, k19, k19}, "Fehler: Reihe 4 doppel\r\n"},
    {{k19, k19, k19, k19, k19, "19 19 19 19 19 19 19 19 5", k19, "19 19 19 19 19 19 19 19 5", k19},
        "Fehler: Spalte 9 doppel\r\n"},
    // Issue 4: a digit twice in one box, in different rows and columns; boxes are numbered row by row.
    {{k19, k19, k19, "19 19 19 19 19 19 6 19 19", k19, "19 19 19 19 19 19 19 19 6",
         "2 19 19 19 19 19 19 19 19", k19, "19 19 2 19 19 19 19 19 19"},
        "Fehler: Block 6 doppel\r\nFehler: Block 7 doppel\r\n"},
    {{k19, "5 19 . 19 5 19 . 19 19", ". 19 19 19 19 19 19 19 19", "19 19 19 19 19 19 19 19 7", k19, k19,
         "19 19 19 3 19 19 19 19 19", "19 19 19 19 19 19 19 19 7", "19 19 19 19 19 3 19 19 ."},
        "Fehler: Feld leer 2 | 3\r\nFehler: Feld leer 2 | 7\r\nFehler: Reihe 2 doppel\r\nFehler: Feld leer 3 "
        "| "
        "1\r\nFehler: Feld leer 9 | 9\r\nFehler: Spalte 9 doppel\r\nFehler: Block 8 doppel\r\n"},
};

TEST(ConsistencyReport, ReportsEmptyCellsThenRowsColumnsBoxesAndChangesNoCell)
{
    for (const ReportCase& row : kCases) {
        SCOPED_TRACE(row.report);
        Board board = test::BoardFromRows(row.board);
        board.Feld.SetCurrent(4, 6);
        EXPECT_EQ(ConsistencyReport(board), row.report);
        EXPECT_EQ(test::RowsOf(board), row.board);
        EXPECT_EQ(std::make_pair(board.Feld.Row(), board.Feld.Col()), std::make_pair(4, 6));
    }
}

} // namespace
} // namespace zifora
