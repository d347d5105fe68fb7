// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"
#include "puzzle_rows.h"
#include "support/board_rows.h"
#include "temp_folder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zifora {
namespace {

using test::kPuzzleRows;
using test::PuzzleOf;
using PuzzleFile = test::TempFolderTest;

TEST_F(PuzzleFile, OpensRegularFilesAndLinksToThemWhateverTheirName)
{
    const std::string path = Write("Mein Rätsel.txt", test::Join(kPuzzleRows, "\r\n"));
    const std::string link = (m_folder / "link").string();
    std::filesystem::create_symlink(path, link);
    EXPECT_EQ(ReadPuzzleFile(path), PuzzleRead(PuzzleOf(kPuzzleRows)));
    EXPECT_EQ(ReadPuzzleFile(link), PuzzleRead(PuzzleOf(kPuzzleRows)));
}

TEST_F(PuzzleFile, RefusesOversizedAndSpecialFilesPromptly)
{
    std::string bytes = test::Join(kPuzzleRows, "\n");
    bytes.resize(kMaxPuzzleFileBytes, ' ');
    const std::string big = Write("big.txt", bytes);
    EXPECT_EQ(ReadPuzzleFile(big), PuzzleRead(PuzzleOf(kPuzzleRows))) << "exactly the limit still loads";
    std::ofstream(big, std::ios::binary | std::ios::app) << ' ';
    const std::string fifo = (m_folder / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const PuzzleRead unreadable = LoadError {LoadErrorKind::Unreadable};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadPuzzleFile(big), PuzzleRead(LoadError {LoadErrorKind::TooLarge}));
    EXPECT_EQ(ReadPuzzleFile("/dev/zero"), unreadable);
    EXPECT_EQ(ReadPuzzleFile(m_folder.string()), unreadable);
    EXPECT_EQ(ReadPuzzleFile(fifo), unreadable) << "opening a pipe would wait for a writer";
    EXPECT_EQ(ReadPuzzleFile((m_folder / "missing.txt").string()), unreadable);
    EXPECT_EQ(ReadPuzzleFile(""), unreadable);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(LoadErrorMessage, IsOneGermanLineEndingInThePathAsGiven)
{
    using Kind = LoadErrorKind;
    const std::pair<LoadError, std::string> cases[] = {
        {{Kind::Unreadable}, "Fehler: Datei nicht lesbar: "},
        {{Kind::TooLarge}, "Fehler: Datei zu gro\xC3\x9F: "},
        {{Kind::NoPuzzle}, "Fehler: kein R\xC3\xA4tsel in der Datei: "},
        {{Kind::LineTooShort, 12}, "Fehler: Zeile 12 zu kurz: "},
        {{Kind::LineMissing, 2}, "Fehler: Zeile 2 fehlt: "},
    };
    for (const auto& [error, message] : cases) {
        EXPECT_EQ(LoadErrorMessage(error, "Mein Ordner/Rätsel 1.txt"), message + "Mein Ordner/Rätsel 1.txt");
        EXPECT_EQ(LoadErrorMessage(error, ""), message);
    }
}

TEST(ApplyPuzzle, PuzzleWithoutGivenCellLeavesLabelColourAndCurrentCell)
{
    Board board = test::BoardFromRows({"1 2 3 4 5 6 7 8 9", ". . . . . . . . .", "9 8 7 6 5 4 3 2 1",
        "37 . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .", ". . . . . . . . .",
        ". . . . . . . . .", ". . . . . . . . 4"});
    board.Feld.SetCurrent(2, 5);
    board.Feld.SetCellLook({Colour::White, std::nullopt, board.Feld.Look(2, 5).align});
    board.Label2 = {"OK", Colour::Red};
    ApplyPuzzle(board, Puzzle {});
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            EXPECT_EQ(board.CellState(row, column), kOpen);
            EXPECT_EQ(board.Feld.TextMatrix(row, column), "123456789");
            EXPECT_EQ(board.Feld.Look(row, column), CellLook {});
        }
    }
    EXPECT_EQ(board.Label2, (Label {"0", Colour::Red}));
    EXPECT_EQ(board.Feld.Row(), 2);
    EXPECT_EQ(board.Feld.Col(), 5);
}

TEST(ApplyPuzzle, NothingOfTheEarlierBoardSurvives)
{
    Board fresh;
    ApplyPuzzle(fresh, PuzzleOf(kPuzzleRows));
    EXPECT_EQ(fresh.Feld.FixedAlignment(), Alignment::Center);
    EXPECT_EQ(fresh.Feld.BackColorFixed(), Colour::Green);
    Board reused;
    reused.Feld.SetTextMatrix(0, 0, "x");
    ApplyPuzzle(reused, PuzzleOf(test::kSolvedRows));
    EXPECT_EQ(reused.Label2, (Label {"OK", Colour::Red}));
    ApplyPuzzle(reused, PuzzleOf(kPuzzleRows));
    EXPECT_TRUE(reused == fresh) << "a given look, a text or the red label of the full board survived";
}

} // namespace
} // namespace zifora
