// SPDX-License-Identifier: MIT
#include "temp_folder.h"
#include "window/form.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zifora {
namespace {

const FileDialogSettings kPuzzleDialog {"Text (*.txt)|*.txt|alle (*.*)|*.*", 1};
const std::string kPuzzle = "530070000\n600195000\n098000060\n800060003\n400803001\n"
                            "700020006\n060000280\n000419005\n000080079\n";

// Answers the dialog with a fixed path (or Cancel) and remembers what it was asked.
class RecordingChooser final : public FileChooser {
public:
    explicit RecordingChooser(std::optional<std::string> answer)
        : m_answer(std::move(answer))
    {
    }
    std::optional<std::string> ChooseFile(const FileDialogSettings& settings) override
    {
        shown.push_back(settings);
        return m_answer;
    }

    std::vector<FileDialogSettings> shown;

private:
    std::optional<std::string> m_answer;
};

class LoadPuzzleFile : public test::TempFolderTest {
protected:
    void Load(const std::optional<std::string>& path)
    {
        RecordingChooser chooser(path);
        m_form.Los_Click(chooser);
        EXPECT_EQ(chooser.shown, std::vector {kPuzzleDialog});
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

    Form1 m_form;
};

TEST_F(LoadPuzzleFile, RefusedFileChangesNothingButText1)
{
    PlayTrial();
    const std::string folder = m_folder.string();
    std::string big(kPuzzle);
    big.resize(1024 * 1024 + 1, '\n');
    const std::pair<std::string, std::string> cases[] = {
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
    const FormState expected = m_form.State();
    Load(std::nullopt);
    EXPECT_TRUE(m_form.State() == expected) << "cancel before any load";
    PlayTrial();
    const FormState inPlay = m_form.State();
    Load(std::nullopt);
    EXPECT_TRUE(m_form.State() == inPlay) << "cancel lost the trial play";
}

TEST_F(LoadPuzzleFile, ReplacesTheBoardButLeavesTrialModeAndText1Alone)
{
    PlayTrial();
    FormState expected = m_form.State();
    const std::string path = Write("Zweites Rätsel.txt", "123456789\n" + kPuzzle.substr(10));
    Load(path);
    const FormState& after = m_form.State();
    EXPECT_EQ(after.board.FileName, path);
    EXPECT_EQ(after.Text2.text, path);
    EXPECT_EQ(after.board.CellState(5, 5), kOpen) << "the trial placement went with the old puzzle";
    EXPECT_EQ(after.board.Feld.Look(5, 5), CellLook {});
    EXPECT_EQ(after.board.Feld.TextMatrix(1, 0), "");
    expected.board = after.board;
    expected.Text2 = after.Text2;
    expected.wahl.visible = false; // the old puzzle's candidates (issue 13)
    EXPECT_TRUE(after == expected) << "the load changed a control beside the board";
}

} // namespace
} // namespace zifora
