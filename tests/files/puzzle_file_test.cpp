// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"
#include "puzzle_rows.h"
#include "support/board_rows.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace zifora {
namespace {

namespace fs = std::filesystem;
using test::kPuzzleRows;
using test::kSolvedRows;
using test::PuzzleOf;

// A fresh folder for the files one test writes, removed with everything in it afterwards.
class PuzzleFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device seed;
        m_folder = fs::temp_directory_path() / ("zifora-files-" + std::to_string(seed()));
        fs::create_directory(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path m_folder;
};

TEST_F(PuzzleFileTest, ReadsPathWithSpacesAndUmlauts)
{
    const std::string path = Write("Mein Rätsel.txt", test::Join(kPuzzleRows, "\r\n"));
    EXPECT_EQ(ReadPuzzleFile(path), PuzzleRead(PuzzleOf(kPuzzleRows)));
}

TEST_F(PuzzleFileTest, RefusesFileOfOneMebibytePlusOneByteBeforeReadingIt)
{
    std::string bytes = test::Join(kPuzzleRows, "\n");
    bytes.resize(kMaxPuzzleFileBytes, ' ');
    const std::string path = Write("big.txt", bytes);
    EXPECT_EQ(ReadPuzzleFile(path), PuzzleRead(PuzzleOf(kPuzzleRows))) << "exactly the limit still loads";
    std::ofstream(path, std::ios::binary | std::ios::app) << '\n';
    EXPECT_EQ(ReadPuzzleFile(path), PuzzleRead(LoadError {LoadErrorKind::TooLarge}));
}

TEST_F(PuzzleFileTest, RefusesEverythingButRegularFilesPromptly)
{
    const std::string fifo = (m_folder / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = (m_folder / "link.txt").string();
    fs::create_symlink(Write("target.txt", test::Join(kPuzzleRows, "\n")), link);
    const auto start = std::chrono::steady_clock::now();
    const PuzzleRead unreadable = LoadError {LoadErrorKind::Unreadable};
    EXPECT_EQ(ReadPuzzleFile("/dev/zero"), unreadable);
    EXPECT_EQ(ReadPuzzleFile(m_folder.string()), unreadable);
    EXPECT_EQ(ReadPuzzleFile(fifo), unreadable) << "opening a pipe would wait for a writer";
    EXPECT_EQ(ReadPuzzleFile((m_folder / "missing.txt").string()), unreadable);
    EXPECT_EQ(ReadPuzzleFile(""), unreadable);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(ReadPuzzleFile(link), PuzzleRead(PuzzleOf(kPuzzleRows))) << "a link to a file is that file";
}

TEST(LoadErrorMessage, IsOneGermanLineEndingInThePathAsGiven)
{
    const std::string path = "Mein Ordner/Rätsel 1.txt";
    EXPECT_EQ(LoadErrorMessage({LoadErrorKind::Unreadable}, path),
        "Fehler: Datei nicht lesbar: Mein Ordner/Rätsel 1.txt");
    EXPECT_EQ(LoadErrorMessage({LoadErrorKind::TooLarge}, path),
        "Fehler: Datei zu gro\xC3\x9F: Mein Ordner/Rätsel 1.txt");
    EXPECT_EQ(LoadErrorMessage({LoadErrorKind::NoPuzzle}, path),
        "Fehler: kein R\xC3\xA4tsel in der Datei: Mein Ordner/Rätsel 1.txt");
    EXPECT_EQ(LoadErrorMessage({LoadErrorKind::LineTooShort, 12}, path),
        "Fehler: Zeile 12 zu kurz: Mein Ordner/Rätsel 1.txt");
    EXPECT_EQ(LoadErrorMessage({LoadErrorKind::LineMissing, 2}, path),
        "Fehler: Zeile 2 fehlt: Mein Ordner/Rätsel 1.txt");
    EXPECT_EQ(LoadErrorMessage({LoadErrorKind::Unreadable}, ""), "Fehler: Datei nicht lesbar: ");
}

// A board in the middle of play: trial placements, solved looks, a narrowed candidate, "OK" on red.
Board BoardInPlay()
{
    Board board = test::BoardFromRows({
        "1 2 3 4 5 6 7 8 9",
        ". . . . . . . . .",
        "9 8 7 6 5 4 3 2 1",
        "37 . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . .",
        ". . . . . . . . 4",
    });
    board.CellState(3, 3) = kTrial;
    board.Feld.SetCurrent(3, 3);
    board.Feld.SetCellBackColor(Colour::Magenta);
    board.Feld.SetCellFontBold(Weight::Bold);
    board.Feld.SetCurrent(2, 5);
    board.Feld.SetCellBackColor(Colour::White);
    board.Feld.SetCellAlignment(Alignment::Right);
    board.Feld.SetTextMatrix(0, 0, "x");
    board.Label2 = {"OK", Colour::Red};
    board.TestMode = true;
    board.FileName = "earlier.txt";
    return board;
}

TEST(ApplyPuzzle, GivenCellsAreYellowBoldCentredAndOpenCellsGetCandidates)
{
    Board board = BoardInPlay();
    ApplyPuzzle(board, PuzzleOf(kPuzzleRows));
    const CellLook given {Colour::Yellow, Weight::Bold, Alignment::Center};
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const char digit
                = kPuzzleRows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
            const bool isGiven = digit != '0';
            EXPECT_EQ(board.CellState(row, column), isGiven ? kPlaced : kOpen) << row << ',' << column;
            EXPECT_EQ(board.Feld.Look(row, column), isGiven ? given : CellLook {}) << row << ',' << column;
            if (isGiven) {
                EXPECT_EQ(board.Feld.TextMatrix(row, column), std::string(1, digit));
            }
        }
    }
    EXPECT_EQ(board.Feld.TextMatrix(1, 3), "124");
    EXPECT_EQ(board.Feld.TextMatrix(5, 5), "5") << "a single candidate stays open";
    EXPECT_EQ(board.Feld.TextMatrix(1, 0), "124689");
    EXPECT_EQ(board.Feld.TextMatrix(0, 1), "1239");
    EXPECT_EQ(board.Feld.TextMatrix(0, 0), "");
    EXPECT_EQ(board.Gruppe.TextMatrix(0, 0), "1247");
    EXPECT_EQ(board.SolvedCount, 30);
    EXPECT_EQ(board.Label2, (Label {"30", Colour::Window}));
    EXPECT_EQ(board.Feld.Row(), 9) << "the current cell ends on the last given cell";
    EXPECT_EQ(board.Feld.Col(), 9);
    EXPECT_EQ(board.Feld.FixedAlignment(), Alignment::Center);
    EXPECT_EQ(board.Feld.BackColorFixed(), Colour::Green);
    EXPECT_TRUE(board.TestMode) << "a load leaves trial mode alone";
    EXPECT_EQ(board.FileName, "earlier.txt");
}

TEST(ApplyPuzzle, PuzzleWithoutGivenCellLeavesLabelColourAndCurrentCell)
{
    Board board = BoardInPlay();
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
    Board reused;
    ApplyPuzzle(reused, PuzzleOf(kSolvedRows));
    EXPECT_EQ(reused.Label2, (Label {"OK", Colour::Red}));
    EXPECT_EQ(reused.Feld.TextMatrix(1, 3), "4");
    ApplyPuzzle(reused, PuzzleOf(kPuzzleRows));
    EXPECT_TRUE(reused == fresh) << "given looks, texts or the red label of the full board survived";
}

} // namespace
} // namespace zifora
