// SPDX-License-Identifier: MIT
// One long random session on the form: after every event the summaries match the board and the trial
// controls follow trial mode, and a refused load or a cancel changes nothing but Text1. A failure prints the
// seed (ZIFORA_SEED=N repeats it) and writes the session as a script to run with zifora-replay in
// tests/replay.
#include "board/box.h"
#include "window/form.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace zifora {
namespace {

// The missing digits of a unit, from its placed cells' texts.
std::string Missing(const std::string& present)
{
    std::string missing;
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (present.find(digit) == std::string::npos) {
            missing += digit;
        }
    }
    return missing;
}

std::string Broken(const FormState& state, bool loaded)
{
    const Board& board = state.board;
    if (state.Check1.checked != board.TestMode || state.Reset.enabled != board.TestMode
        || state.TestOK.enabled != board.TestMode || (state.wahl.visible && !board.TestMode)) {
        return "the trial controls do not follow trial mode";
    }
    if (!loaded) {
        return {};
    }
    std::array<std::string, 10> rows;
    std::array<std::string, 10> columns;
    std::array<std::string, 9> boxes;
    int placed = 0;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (IsPlaced(board.CellState(row, column))) {
                const std::string& text = board.Feld.TextMatrix(row, column);
                ++placed;
                rows[static_cast<std::size_t>(row)] += text;
                columns[static_cast<std::size_t>(column)] += text;
                boxes[static_cast<std::size_t>(BoxRow(row) * 3 + BoxColumn(column))] += text;
            }
        }
    }
    for (int index = 1; index <= 9; ++index) {
        const auto unit = static_cast<std::size_t>(index);
        if (board.Feld.TextMatrix(index, 0) != Missing(rows[unit])
            || board.Feld.TextMatrix(0, index) != Missing(columns[unit])
            || board.Gruppe.TextMatrix((index - 1) / 3, (index - 1) % 3) != Missing(boxes[unit - 1])) {
            return "the missing digits of row, column or box " + std::to_string(index) + " are stale";
        }
    }
    const Label count
        = placed == 81 ? Label {"OK", Colour::Red} : Label {std::to_string(placed), board.Label2.back};
    return board.SolvedCount == placed && board.Label2 == count ? "" : "the count does not match the board";
}

TEST(RandomSession, KeepsEverySummaryAndTrialControlTrue)
{
    const char* seedText = std::getenv("ZIFORA_SEED");
    const auto seed = seedText != nullptr ? std::strtoull(seedText, nullptr, 10) : std::random_device {}();
    std::mt19937_64 random(seed);
    std::vector<std::string> files {"no such file.txt", "."};
    for (const auto& entry : std::filesystem::directory_iterator(ZIFORA_PUZZLES)) {
        files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    const std::string buttons[] = {"Zellen", "Einzelne", "D2er", "Testen", "Check1", "Reset", "TestOK"};
    void (Form1::*const handlers[])() = {&Form1::Zellen_Click, &Form1::Einzelne_Click, &Form1::D2er_Click,
        &Form1::Testen_Click, &Form1::Check1_Click, &Form1::Reset_Click, &Form1::TestOK_Click};
    const auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };

    Form1 form;
    std::string script;
    bool loaded = false;
    for (int event = 0; event < 100000; ++event) {
        const FormState before = form.State();
        const std::size_t kind = pick(100);
        std::string path; // of a load; a refusal ends Text1 with it
        bool fileEvent = false;
        if (kind < 3) {
            const std::string name = files[pick(files.size())];
            AnswerChooser chooser;
            if (kind > 0) {
                chooser.answer = path = std::string(ZIFORA_PUZZLES "/") + name;
            }
            script += kind > 0 ? "load puzzles/" + name + "\n" : "cancel\n";
            form.Los_Click(chooser);
            fileEvent = true;
        } else if (kind < 60) {
            const std::size_t button = pick(7);
            script += "click " + buttons[button] + "\n";
            (form.*handlers[button])();
        } else if (kind < 80 || !form.State().wahl.visible) {
            const int row = static_cast<int>(pick(9)) + 1;
            const int column = static_cast<int>(pick(9)) + 1;
            script += "enter " + std::to_string(row) + " " + std::to_string(column) + "\n";
            form.Feld_EnterCell(row, column);
        } else {
            const std::size_t index = pick(form.State().wahl.items.size());
            script += "choose " + std::to_string(index) + "\n";
            form.wahl_Click(static_cast<int>(index));
        }
        FormState after = form.State();
        std::string broken = Broken(after, loaded = loaded || !after.board.FileName.empty());
        after.Text1 = before.Text1;
        const std::string& text1 = form.State().Text1.text;
        const bool refused = text1.starts_with("Fehler: ") && text1.ends_with(": " + path);
        if (fileEvent && (path.empty() || refused) && !(after == before)) {
            broken = "a refused load or a cancel changed more than Text1";
        }
        if (!broken.empty()) {
            const auto path = std::filesystem::temp_directory_path()
                / ("zifora-session-" + std::to_string(seed) + ".txt");
            std::ofstream(path) << script << "dump\n";
            FAIL() << "event " << event + 1 << " of seed " << seed << ": " << broken
                   << "\nthe session: " << path.string();
        }
    }
}

} // namespace
} // namespace zifora
