// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"
#include "window/form.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace zifora {
namespace {

// The size limit of a puzzle file, 16 MiB.
constexpr std::size_t kLimit = std::size_t {16} * 1024 * 1024;
const std::string kPuzzle = "530070000\n600195000\n098000060\n800060003\n400803001\n"
                            "700020006\n060000280\n000419005\n000080079\n";

// Loads through the form into a fresh folder that is removed afterwards.
class LoadPuzzleFile : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(m_folder); }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::filesystem::path path = m_folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    void Load(const std::string& path)
    {
        AnswerChooser chooser(path);
        m_form.Los_Click(chooser);
    }

    const std::filesystem::path m_folder
        = std::filesystem::temp_directory_path() / ("zifora-load-" + std::to_string(std::random_device {}()));
    Form1 m_form;
};

// What only a real file can show: the size limit, special files, links. Every refusal leaves the trial play
// in progress as it was and changes nothing but Text1.
TEST_F(LoadPuzzleFile, RefusedFileChangesNothingButText1)
{
    std::string atLimit = kPuzzle;
    atLimit.resize(kLimit, ' ');
    const std::string link = (m_folder / "link").string();
    std::filesystem::create_symlink(Write("Mein Rätsel.txt", atLimit), link);
    Load(link);
    ASSERT_EQ(m_form.State().board.Label2.caption, "30");
    ASSERT_EQ(m_form.State().board.FileName, link);
    m_form.Check1_Click();
    m_form.Feld_EnterCell(5, 5);
    m_form.wahl_Click(1);
    m_form.Feld_EnterCell(1, 3);
    ASSERT_TRUE(m_form.State().wahl.visible);
    std::string big = kPuzzle;
    big.resize(kLimit + 1, '\n');
    const std::string fifo = (m_folder / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // The message names the file, not its folder: the box shows little more than one line.
    const std::pair<std::string, std::string> cases[] = {
        {Write("big.txt", big), "Fehler: Datei zu gro\xC3\x9F: big.txt"},
        {Write("short.txt", kPuzzle.substr(0, 25) + kPuzzle.substr(26)),
            "Fehler: Zeile 3 zu kurz: short.txt"},
        {Write("eight.txt", kPuzzle.substr(0, 80)), "Fehler: Zeile 9 fehlt: eight.txt"},
        {Write("blank.txt", "\r\n \t\r\n"), "Fehler: kein R\xC3\xA4tsel in der Datei: blank.txt"},
        {(m_folder / "fehlt.txt").string(), "Fehler: Datei nicht gefunden: fehlt.txt"},
        {"/dev/zero", "Fehler: Datei nicht lesbar: zero"},
        {fifo, "Fehler: Datei nicht lesbar: pipe"}, // opening a pipe would wait for a writer
        {m_folder.string() + "/", "Fehler: ist ein Ordner: " + m_folder.filename().string()},
    };
    for (const auto& [path, message] : cases) {
        FormState expected = m_form.State();
        expected.Text1.text = message;
        Load(path);
        EXPECT_TRUE(m_form.State() == expected) << path << " changed more than Text1";
        EXPECT_EQ(m_form.State().Text1.text, expected.Text1.text);
    }
}

} // namespace
} // namespace zifora
