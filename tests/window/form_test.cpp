// SPDX-License-Identifier: MIT
#include "window/form.h"

#include <gtest/gtest.h>

namespace zifora {
namespace {

TEST(FormLoad, SetsEveryControlToItsStartUpState)
{
    const Form1 form;
    const FormState& state = form.State();
    const Board& board = state.board;
    EXPECT_EQ(state.Text1.text, "Text1");
    EXPECT_EQ(state.Text2.text, "");
    EXPECT_EQ(board.Label2, (Label {"0", Colour::Default}));
    EXPECT_EQ(board.SolvedCount, 0);
    EXPECT_FALSE(board.TestMode);
    EXPECT_EQ(board.FileName, "");
    EXPECT_FALSE(state.Reset.enabled);
    EXPECT_FALSE(state.TestOK.enabled);
    EXPECT_TRUE(state.Los.enabled && state.Zellen.enabled && state.Einzelne.enabled && state.D2er.enabled
        && state.Testen.enabled);
    EXPECT_FALSE(state.Check1.checked);
    EXPECT_EQ(state.wahl, (ListBox {{}, false, {4320, 0, 255, 840}}));
    EXPECT_EQ(board.Feld.Row(), 1);
    EXPECT_EQ(board.Feld.Col(), 1);
    EXPECT_EQ(board.Feld.Rows(), 10);
    EXPECT_EQ(board.Feld.Cols(), 10);
    EXPECT_EQ(board.Feld.BackColorFixed(), Colour::Green);
    EXPECT_EQ(board.Gruppe.Rows(), 3);
    EXPECT_EQ(board.Gruppe.ColWidth(), 2880);
    EXPECT_EQ(board.Gruppe.RowHeight(), 300);
    EXPECT_EQ(board.Gruppe.ColAlignment(), Alignment::Center);
    EXPECT_EQ(board.Gruppe.BackColor(), Colour::Green);
    for (int row = 0; row <= 9; ++row) {
        for (int column = 0; column <= 9; ++column) {
            EXPECT_EQ(board.Feld.TextMatrix(row, column), "");
            if (row > 0 && column > 0) {
                EXPECT_EQ(board.CellState(row, column), kPlaced);
            }
        }
    }
}

TEST(Zellen, OnTheStartUpBoardOnlyFillsTheSummaries)
{
    Form1 form;
    form.Zellen_Click();
    const Board& board = form.State().board;
    EXPECT_EQ(board.Feld.TextMatrix(3, 0), "123456789");
    EXPECT_EQ(board.Gruppe.TextMatrix(2, 1), "123456789");
    EXPECT_EQ(board.Feld.TextMatrix(5, 5), "");
    EXPECT_EQ(board.Label2, (Label {"OK", Colour::Red}));
    EXPECT_EQ(board.Feld.Row(), 1);
    EXPECT_EQ(board.Feld.Col(), 1);
}

} // namespace
} // namespace zifora
