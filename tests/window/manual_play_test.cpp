// SPDX-License-Identifier: MIT
#include "support/board_rows.h"
#include "window/form.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace zifora {
namespace {

using Rows = std::array<std::string, 9>;

// A solved grid with a rectangle of four open cells in rows 6 and 8, columns 4 and 6, each showing 46, and
// the open cell (1, 1) left with the single candidate 5.
const Rows kRectangle {
    ".34978612",
    "972165348",
    "168342597",
    "856791423",
    "429853761",
    "713.2.859",
    "691537284",
    "287.1.935",
    "345289176",
};

// The same grid with every cell given.
const Rows kSolved {
    "534978612",
    "972165348",
    "168342597",
    "856791423",
    "429853761",
    "713624859",
    "691537284",
    "287416935",
    "345289176",
};

constexpr CellLook kChosenLook {Colour::Red, Weight::Normal, Alignment::Center};
constexpr CellLook kTrialSolvedLook {Colour::Magenta, Weight::Bold, Alignment::Center};
constexpr CellLook kDiscardedLook {Colour::White, Weight::Normal, Alignment::Right};

// Answers the file dialog with a temporary puzzle file holding the given rows.
class PuzzleFile final : public FileChooser {
public:
    explicit PuzzleFile(const Rows& rows)
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path()
            / ("zifora-manual-play-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".txt");
        std::ofstream file(m_path, std::ios::binary);
        for (const std::string& row : rows) {
            file << row << "\r\n";
        }
    }
    PuzzleFile(const PuzzleFile&) = delete;
    PuzzleFile& operator=(const PuzzleFile&) = delete;
    ~PuzzleFile() override
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }

    std::string Path() const { return m_path.string(); }
    std::optional<std::string> ChooseFile(const FileDialogSettings& /*settings*/) override { return Path(); }

private:
    std::filesystem::path m_path;
};

class ManualPlay : public ::testing::Test {
protected:
    void Load(const Rows& rows)
    {
        PuzzleFile file(rows);
        form.Los_Click(file);
        if (form.State().board.FileName != file.Path()) {
            throw std::runtime_error("the puzzle did not load: " + form.State().Text1.text);
        }
    }

    // Loads the rectangle, switches trial mode on and shows the list for (6, 4).
    void ShowListOverRectangle()
    {
        Load(kRectangle);
        form.Check1_Click();
        form.Feld_EnterCell(6, 4);
    }

    const Board& board() const { return form.State().board; }
    const ListBox& wahl() const { return form.State().wahl; }
    const std::string& Text(int row, int column) const { return board().Feld.TextMatrix(row, column); }
    const CellLook& Look(int row, int column) const { return board().Feld.Look(row, column); }
    int Code(int row, int column) const { return board().CellState(row, column); }
    CellRef Current() const { return {board().Feld.Row(), board().Feld.Col()}; }

    Form1 form;
};

using CellEntry = ManualPlay;
using DigitChoice = ManualPlay;
using TrialMode = ManualPlay;

TEST_F(CellEntry, ShowsTheEmptyEntryAndTheCandidatesOverAnOpenCell)
{
    ShowListOverRectangle();
    EXPECT_EQ(wahl(), (ListBox {{"", "4", "6"}, true, {120 + 4 * 970, 1440 + 6 * 250, 255, 660}}));
    EXPECT_EQ(Current(), (CellRef {6, 4}));
}

TEST_F(CellEntry, SizesTheListByItsEntriesAndPlacesItByRowAndColumn)
{
    Load({"12345678.", "........9", ".........", ".........", ".........", ".........", ".........",
        ".........", "........."});
    form.Check1_Click();
    form.Feld_EnterCell(1, 9); // no candidate left
    EXPECT_EQ(wahl(), (ListBox {{""}, true, {8850, 1690, 255, 220}}));
    form.Feld_EnterCell(9, 1); // 23456789
    EXPECT_EQ(wahl().items.size(), 9U);
    EXPECT_EQ(wahl().bounds, (TwipRect {1090, 3690, 255, 1980}));
    EXPECT_TRUE(wahl().visible);
    form.Feld_EnterCell(1, 3); // given: refilled, but hidden where it was
    EXPECT_EQ(wahl(), (ListBox {{"", "3"}, false, {1090, 3690, 255, 1980}}));
}

TEST_F(CellEntry, DoesNothingOutsideTrialModeOrWithoutAMove)
{
    Load(kRectangle);
    form.Feld_EnterCell(6, 4);
    EXPECT_EQ(wahl(), (ListBox {{}, false, {4320, 0, 255, 840}}));
    EXPECT_EQ(Current(), (CellRef {6, 4}));
    // Switching trial mode on does not show the list for the cell that is already current.
    form.Check1_Click();
    form.Feld_EnterCell(6, 4);
    EXPECT_FALSE(wahl().visible);
    EXPECT_TRUE(wahl().items.empty());
    form.Feld_EnterCell(8, 6);
    EXPECT_TRUE(wahl().visible);
}

TEST_F(CellEntry, HidesTheListOverAPlacedCell)
{
    ShowListOverRectangle();
    form.Feld_EnterCell(6, 5); // given
    EXPECT_FALSE(wahl().visible);
    form.Feld_EnterCell(6, 4);
    form.wahl_Click(1); // leaves (8, 6) current
    form.Feld_EnterCell(6, 4); // now a trial cell
    EXPECT_EQ(wahl().items, (std::vector<std::string> {"", "4"}));
    EXPECT_FALSE(wahl().visible);
}

TEST_F(CellEntry, IgnoresHeaderAndOffBoardCells)
{
    ShowListOverRectangle();
    const Form1 before = form;
    form.Feld_EnterCell(0, 3);
    form.Feld_EnterCell(4, 0);
    form.Feld_EnterCell(10, 1);
    form.Feld_EnterCell(1, -1);
    EXPECT_EQ(form.State(), before.State());
}

TEST_F(DigitChoice, PlacesATrialDigitAndKeepsTheListShown)
{
    ShowListOverRectangle();
    const ListBox shown = wahl();
    form.wahl_Click(2);
    EXPECT_EQ(Text(6, 4), "6");
    EXPECT_EQ(Code(6, 4), kTrial);
    EXPECT_EQ(Look(6, 4), kChosenLook);
    EXPECT_EQ(Text(6, 0), "4");
    EXPECT_EQ(Text(0, 4), "4");
    EXPECT_EQ(board().Gruppe.TextMatrix(1, 1), "4");
    // MarkSolvedCells places the single candidate as a trial digit, and nothing recomputes the others.
    EXPECT_EQ(Code(1, 1), kTrial);
    EXPECT_EQ(Look(1, 1), kTrialSolvedLook);
    EXPECT_EQ(Text(6, 6), "46");
    EXPECT_EQ(Code(6, 6), kOpen);
    EXPECT_EQ(board().SolvedCount, 78);
    EXPECT_EQ(board().Label2.caption, "78");
    // Moving the current cell by program raises no EnterCell: the list stays over (6, 4).
    EXPECT_EQ(Current(), (CellRef {8, 6}));
    EXPECT_EQ(wahl(), shown);
}

TEST_F(DigitChoice, EmptyEntryHidesTheListAndStillPlacesSingles)
{
    ShowListOverRectangle();
    form.wahl_Click(0);
    EXPECT_FALSE(wahl().visible);
    EXPECT_EQ(Text(6, 4), "46");
    EXPECT_EQ(Code(6, 4), kOpen);
    EXPECT_EQ(Look(6, 4), CellLook {});
    EXPECT_EQ(Code(1, 1), kTrial);
    EXPECT_EQ(board().SolvedCount, 77);
}

// Issue 5: a second choice used to land on whatever cell MarkSolvedCells had left current.
TEST_F(DigitChoice, GoesToTheCellTheListWasShownFor)
{
    ShowListOverRectangle();
    form.wahl_Click(2);
    ASSERT_EQ(Current(), (CellRef {8, 6}));
    form.wahl_Click(1);
    EXPECT_EQ(Text(6, 4), "4");
    EXPECT_EQ(Code(6, 4), kTrial);
    EXPECT_EQ(Text(8, 6), "46");
    EXPECT_EQ(Code(8, 6), kOpen);
    EXPECT_EQ(Look(8, 6), CellLook {});
}

// Issue 5: a choice never changes a cell placed for good; it only closes the list.
TEST_F(DigitChoice, LeavesAPermanentCellAloneAndHidesTheList)
{
    ShowListOverRectangle();
    form.wahl_Click(2);
    form.TestOK_Click();
    ASSERT_TRUE(wahl().visible);
    FormState expected = form.State();
    expected.wahl.visible = false;
    form.wahl_Click(1);
    EXPECT_EQ(form.State(), expected);
}

TEST_F(DigitChoice, IgnoresChoicesTheListCannotOffer)
{
    ShowListOverRectangle();
    const Form1 before = form;
    form.wahl_Click(3);
    form.wahl_Click(-1);
    EXPECT_EQ(form.State(), before.State());
    form.wahl_Click(0);
    const Form1 hidden = form;
    form.wahl_Click(1); // the list is hidden
    EXPECT_EQ(form.State(), hidden.State());
}

// Issue 5: leaving trial mode hides the list, and a choice outside trial mode changes nothing.
TEST_F(TrialMode, SwitchingOffHidesTheListAndDisablesTheButtons)
{
    ShowListOverRectangle();
    form.wahl_Click(2);
    form.Check1_Click();
    EXPECT_FALSE(board().TestMode);
    EXPECT_FALSE(form.State().Check1.checked);
    EXPECT_FALSE(form.State().Reset.enabled);
    EXPECT_FALSE(form.State().TestOK.enabled);
    EXPECT_FALSE(wahl().visible);
    const Form1 off = form;
    form.wahl_Click(1);
    form.Reset_Click();
    form.TestOK_Click();
    EXPECT_EQ(form.State(), off.State());
    form.Check1_Click();
    EXPECT_TRUE(board().TestMode && form.State().Check1.checked);
    EXPECT_TRUE(form.State().Reset.enabled && form.State().TestOK.enabled);
    EXPECT_FALSE(wahl().visible);
}

TEST_F(TrialMode, AcceptMakesEveryTrialCellPermanentKeepingItsWeight)
{
    ShowListOverRectangle();
    form.wahl_Click(2);
    form.Check1_Click();
    form.Check1_Click(); // a trial digit survives switching the mode off and on
    form.TestOK_Click();
    EXPECT_EQ(Code(6, 4), kPlaced);
    EXPECT_EQ(Look(6, 4), (CellLook {Colour::Green, Weight::Normal, Alignment::Center}));
    EXPECT_EQ(Code(1, 1), kPlaced);
    EXPECT_EQ(Look(1, 1), (CellLook {Colour::Green, Weight::Bold, Alignment::Center}));
    EXPECT_EQ(Text(6, 4), "6");
    EXPECT_EQ(Code(6, 6), kOpen);
    EXPECT_EQ(board().SolvedCount, 78);
    EXPECT_EQ(Current(), (CellRef {6, 4}));
}

TEST_F(TrialMode, DiscardReopensTrialAndOpenCellsWithFreshCandidates)
{
    ShowListOverRectangle();
    form.wahl_Click(2);
    form.Reset_Click();
    const Board expected = test::BoardFromRows({
        "?5 3 4 9 7 8 6 1 2",
        "9 7 2 1 6 5 3 4 8",
        "1 6 8 3 4 2 5 9 7",
        "8 5 6 7 9 1 4 2 3",
        "4 2 9 8 5 3 7 6 1",
        "7 1 3 46 2 46 8 5 9",
        "6 9 1 5 3 7 2 8 4",
        "2 8 7 46 1 46 9 3 5",
        "3 4 5 2 8 9 1 7 6",
    });
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            EXPECT_EQ(Text(row, column), expected.Feld.TextMatrix(row, column)) << row << ", " << column;
            EXPECT_EQ(Code(row, column), expected.CellState(row, column)) << row << ", " << column;
        }
    }
    for (const CellRef cell : {CellRef {1, 1}, CellRef {6, 4}, CellRef {8, 6}}) {
        EXPECT_EQ(Look(cell.row, cell.column), kDiscardedLook);
    }
    EXPECT_EQ(Look(1, 2), (CellLook {Colour::Yellow, Weight::Bold, Alignment::Center}));
    EXPECT_EQ(board().Label2.caption, "76");
    EXPECT_EQ(Current(), (CellRef {8, 6}));
}

TEST_F(TrialMode, DiscardBringsBackCandidatesThePairsStepStruck)
{
    Load({"....23468", ".........", ".........", "9........", ".9.......", ".........", "1........",
        ".1.......", "........."});
    const Form1 loaded = form;
    form.D2er_Click();
    ASSERT_EQ(Text(1, 3), "19");
    ASSERT_EQ(Text(2, 1), "23468");
    form.Check1_Click();
    form.Reset_Click();
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            EXPECT_EQ(Text(row, column), loaded.State().board.Feld.TextMatrix(row, column));
            EXPECT_EQ(Code(row, column), loaded.State().board.CellState(row, column));
        }
    }
}

} // namespace
} // namespace zifora
