// SPDX-License-Identifier: MIT
// A puzzle typed in from the newspaper: the dialog opens on the givens of the board, marks equal digits in a
// row, column or box while they are typed, and loads what it holds as a file with those givens would.
#include "qt/entry_dialog.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>

namespace zifora::test {
namespace {

const QColor kClash {255, 190, 190};

// The colour a cell of the grid is painted in, away from its digit.
QColor CellColour(EntryGrid& grid, int cell)
{
    return grid.grab().toImage().pixelColor(grid.CellRect(cell).topLeft() + QPoint(2, 2));
}

// The dialogs before took the window's focus.
void OpenEntry(MainWindow& window, QTableWidget* feld)
{
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(feld, Qt::Key_N, Qt::ControlModifier);
}

TEST_F(WindowTest, TypedPuzzleLoadsAsAFileWithTheSameGivensAndCancelChangesNothing)
{
    Do("load easy.txt");
    const FormState easy = form.State();
    bool cancelled = false;
    WhenModal<EntryDialog>([&cancelled](EntryDialog& dialog) {
        QTest::keyClicks(dialog.findChild<EntryGrid*>("Eingabe"), "123");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        cancelled = true;
    });
    OpenEntry(window, Feld());
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(form.State(), easy);

    std::string offered;
    std::vector<std::pair<QColor, QColor>>
        marks; // of the last two cells, after the slip and after mending it
    WhenModal<EntryDialog>([&](EntryDialog& dialog) {
        offered = dialog.Cells();
        auto* grid = dialog.findChild<EntryGrid*>("Eingabe");
        QTest::mouseClick(dialog.findChild<QPushButton*>("Leeren"), Qt::LeftButton);
        // A walk that ends where it began, the first cell, from which the typing goes.
        for (const Qt::Key key :
            {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Tab, Qt::Key_Backtab}) {
            QTest::keyClick(grid, key);
        }
        QTest::keyClicks(grid, "4");
        QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_Delete);
        // The classic puzzle, with a 7 in the last cell where a 9 belongs: row 9 holds a 7 already.
        QTest::keyClicks(
            grid, "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..77");
        marks.emplace_back(CellColour(*grid, 79), CellColour(*grid, 80));
        QTest::keyClick(grid, Qt::Key_Backspace);
        QTest::keyClick(grid, Qt::Key_9);
        marks.emplace_back(CellColour(*grid, 79), CellColour(*grid, 80));
        QTest::keyClick(grid, Qt::Key_Return);
    });
    OpenEntry(window, Feld());
    EXPECT_EQ(offered, "39...2......37..2.5.......6......6.........5.62.9....8.3.5..8.7...63...586..472.9");
    ASSERT_EQ(marks.size(), 2U);
    EXPECT_EQ(marks[0], std::make_pair(kClash, kClash));
    EXPECT_NE(marks[1].first, kClash);
    EXPECT_NE(marks[1].second, kClash);

    Form1 fromFile;
    AnswerChooser classic(std::string(ZIFORA_PUZZLES) + "/classic.txt");
    fromFile.Los_Click(classic);
    FormState expected = fromFile.State();
    expected.Text2.text = "Eingabe";
    expected.board.FileName = easy.board.FileName; // the file chosen last
    EXPECT_EQ(form.State(), expected);
    ExpectShowsForm(window, form.State());
}

// A collection pasted into the grid asks which puzzle, as a paste into the window does; Cancel keeps the
// grid.
TEST_F(WindowTest, CollectionPastedIntoTheGridAsksWhichPuzzle)
{
    const std::string second
        = "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..";
    QGuiApplication::clipboard()->setText(QString::fromStdString(
        "39...2......37..2.5.......6......6.........5.62.9....8.3.5..8.7...63...586..472.9\n" + second
        + "\n"));
    std::string question;
    std::vector<std::string> grids;
    WhenModal<EntryDialog>([&](EntryDialog& dialog) {
        auto* grid = dialog.findChild<EntryGrid*>("Eingabe");
        dialog.activateWindow(); // the paste key is the dialog's shortcut
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        WhenAsked([](QInputDialog& ask) { ask.reject(); });
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
        grids.push_back(dialog.Cells());
        WhenAsked([&question](QInputDialog& ask) {
            question = ask.labelText().toStdString();
            ask.setIntValue(2);
            ask.accept();
        });
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
        grids.push_back(dialog.Cells());
        dialog.reject();
    });
    OpenEntry(window, Feld());
    EXPECT_EQ(question, "Die Zwischenablage enthält 2 Rätsel. Welches soll geöffnet werden?");
    EXPECT_EQ(grids, std::vector<std::string>({std::string(81, '.'), second}));
}

} // namespace
} // namespace zifora::test
