// SPDX-License-Identifier: MIT
// Paths only the window has: the user's own moves of the current cell reach the form as EnterCell, the
// program's never do, and the list floats where it can be clicked.
#include "window_fixture.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

namespace zifora::test {
namespace {

using CellEntry = WindowTest;

CellRef Current(const Form1& form)
{
    return {form.State().board.Feld.Row(), form.State().board.Feld.Col()};
}

TEST_F(CellEntry, ClicksAndArrowKeysEnterBoardCellsButNeverAHeaderCell)
{
    Do("cell 5 6");
    Do("key Feld Right");
    EXPECT_EQ(Current(form), (CellRef {5, 7}));
    Do("cell 0 3");
    Do("cell 4 0");
    EXPECT_EQ(Current(form), (CellRef {5, 7}));
    Do("cell 1 1");
    Do("key Feld Up");
    Do("key Feld Left");
    EXPECT_EQ(Current(form), (CellRef {1, 1}));
    EXPECT_EQ(Feld()->currentItem(), Feld()->item(1, 1));
    // (264, 160) lies on Line2 and Line3: the first pixel of board column 4, the last of board row 3.
    QWidget* below = window.childAt(QPoint(264, 160));
    ASSERT_EQ(below, Feld()->viewport()) << "the separator lines let clicks through";
    QTest::mouseClick(below, Qt::LeftButton, {}, below->mapFrom(&window, QPoint(264, 160)));
    EXPECT_EQ(Current(form), (CellRef {4, 4}));
}

TEST_F(CellEntry, CurrentCellIsAFrameAndTheListFloatsClickableOverIt)
{
    Do("click Check1");
    Do("load easy.txt");
    Do("cell 1 1");
    const QImage picture = Feld()->grab().toImage();
    EXPECT_EQ(picture.pixelColor(CellCorner(1, 1)), Feld()->palette().color(QPalette::Highlight));
    EXPECT_EQ(picture.pixelColor(CellCorner(1, 1) + QPoint(3, 3)), QColor(255, 255, 0));
    EXPECT_EQ(picture.pixelColor(CellCorner(1, 2)), QColor(255, 255, 0)) << "one current cell";

    auto* wahl = Control<QListWidget>("wahl");
    for (const int row : {1, 9}) {
        int column = 1;
        while (column <= 9 && form.State().board.Feld.TextMatrix(row, column).size() < 2) {
            ++column;
        }
        ASSERT_LE(column, 9) << "the puzzle needs an open cell with two candidates in row " << row;
        Do("cell " + std::to_string(row) + " " + std::to_string(column));
        ASSERT_TRUE(wahl->isVisible());
        EXPECT_TRUE(window.rect().contains(wahl->geometry()));
        const QPoint last = wahl->visualItemRect(wahl->item(wahl->count() - 1)).center();
        EXPECT_EQ(window.childAt(wahl->mapTo(&window, last)), wahl->viewport()) << "row " << row;
    }
    const FormState before = form.State();
    Do("key wahl Down");
    EXPECT_TRUE(form.State() == before) << "moving through the list is no choice";
}

// The window's form must end where a form given the same events straight from the user does: a move of the
// current cell that a handler made, shown in the widget, is not a second event.
TEST_F(CellEntry, ProgramMovesOfTheCurrentCellNeverReachTheForm)
{
    AnswerChooser twinChooser(GuiTestFile("easy.txt"));
    Form1 twin;
    QSignalSpy moves(Feld()->selectionModel(), &QItemSelectionModel::currentChanged);

    Do("click Check1");
    twin.Check1_Click();
    Do("load easy.txt");
    twin.Los_Click(twinChooser);
    EXPECT_EQ(moves.count(), 0);
    Do("cell 1 3");
    twin.Feld_EnterCell(1, 3);
    Do("entry 1");
    twin.wahl_Click(1);
    Do("click Einzelne");
    twin.Einzelne_Click();
    Do("click Zellen");
    twin.Zellen_Click();
    EXPECT_EQ(moves.count(), 1);
    EXPECT_TRUE(form.State() == twin.State());
}

} // namespace
} // namespace zifora::test
