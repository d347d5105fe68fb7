// SPDX-License-Identifier: MIT
#include "window/form.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace zifora {
namespace {

namespace fs = std::filesystem;

const FileDialogSettings kPuzzleDialog {"Text (*.txt)|*.txt|alle (*.*)|*.*", 1};

const std::string kPuzzle = "530070000\n600195000\n098000060\n800060003\n400803001\n"
                            "700020006\n060000280\n000419005\n000080079\n";

// Answers the dialog with a path, or with Cancel, and remembers what it was asked to show.
class AnsweringChooser final : public FileChooser {
public:
    explicit AnsweringChooser(std::optional<std::string> answer)
        : m_answer(std::move(answer))
    {
    }
    std::optional<std::string> ChooseFile(const FileDialogSettings& settings) override
    {
        asked.push_back(settings);
        return m_answer;
    }
    std::vector<FileDialogSettings> asked;

private:
    std::optional<std::string> m_answer;
};

class LoadPuzzleFile : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device seed;
        m_folder = fs::temp_directory_path() / ("zifora-load-" + std::to_string(seed()));
        fs::create_directory(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    void Load(const std::optional<std::string>& path)
    {
        AnsweringChooser chooser(path);
        m_form.Los_Click(chooser);
    }

    // A puzzle in the middle of trial play: a digit chosen by hand, the list shown over another cell.
    void PlayTrial()
    {
        Load(Write("puzzle.txt", kPuzzle));
        m_form.Check1_Click();
        m_form.Feld_EnterCell(5, 5);
        m_form.wahl_Click(1);
        m_form.Feld_EnterCell(1, 3);
        ASSERT_TRUE(m_form.State().wahl.visible);
        ASSERT_EQ(m_form.State().board.CellState(5, 5), kTrial);
    }

    fs::path m_folder;
    Form1 m_form;
};

TEST_F(LoadPuzzleFile, AsksForTextFilesAndShowsTheChosenPath)
{
    AnsweringChooser chooser(Write("Mein Rätsel.txt", kPuzzle));
    m_form.Los_Click(chooser);
    const FormState& state = m_form.State();
    EXPECT_EQ(chooser.asked, std::vector<FileDialogSettings> {kPuzzleDialog});
    EXPECT_EQ(state.board.FileName, *chooser.ChooseFile(kPuzzleDialog));
    EXPECT_EQ(state.Text2.text, state.board.FileName);
    EXPECT_EQ(state.Text1.text, "Text1");
    EXPECT_EQ(state.board.Label2, (Label {"30", Colour::Window}));
    EXPECT_EQ(state.board.Feld.TextMatrix(1, 3), "124");
}

TEST_F(LoadPuzzleFile, RefusedFileChangesNothingButText1)
{
    PlayTrial();
    const std::string folder = m_folder.string();
    std::string big(1024 * 1024 + 1, '\n');
    big.replace(0, kPuzzle.size(), kPuzzle);
    const std::vector<std::pair<std::string, std::string>> cases {
        {Write("empty.txt", ""), "Fehler: kein Rätsel in der Datei: "},
        {Write("blank.txt", "\r\n \t\r\n"), "Fehler: kein Rätsel in der Datei: "},
        {Write("short.txt", kPuzzle.substr(0, 25) + kPuzzle.substr(26)), "Fehler: Zeile 3 zu kurz: "},
        {Write("eight.txt", kPuzzle.substr(0, 80)), "Fehler: Zeile 9 fehlt: "},
        {Write("big.txt", big), "Fehler: Datei zu groß: "},
        {folder, "Fehler: Datei nicht lesbar: "},
        {"/dev/zero", "Fehler: Datei nicht lesbar: "},
        {folder + "/missing.txt", "Fehler: Datei nicht lesbar: "},
        {"", "Fehler: Datei nicht lesbar: "},
    };
    for (const auto& [path, message] : cases) {
        FormState expected = m_form.State();
        expected.Text1.text = message + path;
        Load(path);
        EXPECT_TRUE(m_form.State() == expected) << path << " changed more than Text1";
        EXPECT_EQ(m_form.State().Text1.text, expected.Text1.text);
    }
}

TEST_F(LoadPuzzleFile, CancelChangesNothing)
{
    FormState expected = m_form.State();
    expected.CommonDialog1 = kPuzzleDialog;
    Load(std::nullopt);
    EXPECT_TRUE(m_form.State() == expected) << "cancel before any load";
    PlayTrial();
    const FormState inPlay = m_form.State();
    Load(std::nullopt);
    EXPECT_TRUE(m_form.State() == inPlay) << "cancel lost the trial play";
}

TEST_F(LoadPuzzleFile, LeavesTrialModeButtonsListAndText1Alone)
{
    PlayTrial();
    const FormState before = m_form.State();
    Load(Write("second.txt", "123456789\n" + kPuzzle.substr(10)));
    const FormState& after = m_form.State();
    EXPECT_TRUE(after.board.TestMode);
    EXPECT_EQ(after.Check1, before.Check1);
    EXPECT_EQ(after.Reset, before.Reset);
    EXPECT_EQ(after.TestOK, before.TestOK);
    EXPECT_EQ(after.wahl, before.wahl);
    EXPECT_EQ(after.Text1, before.Text1);
    EXPECT_EQ(after.board.CellState(5, 5), kOpen) << "the trial placement went with the old puzzle";
    EXPECT_EQ(after.board.Feld.Look(5, 5), CellLook {});
    EXPECT_EQ(after.board.Feld.TextMatrix(1, 0), "");
}

} // namespace
} // namespace zifora
