// SPDX-License-Identifier: MIT
// One long random session on the form: after every event the summaries match the board and the trial
// controls follow trial mode, and a refused load or a cancel changes nothing but Text1. A failure prints the
// seed (ZIFORA_SESSION_SEED=N repeats it) and writes the session as a script to run with zifora-replay in
// tests/replay.
#include "replay.h"
#include "window/controls.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
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
    if (state.wahl.visible && !board.TestMode) {
        return "the list is shown outside trial mode";
    }
    if (!loaded) {
        return {};
    }
    std::array<std::string, 27> present; // the placed texts of rows 1..9, columns 1..9, boxes row by row
    int placed = 0;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            if (IsPlaced(board.CellState(row, column))) {
                ++placed;
                for (const int unit : {row - 1, 8 + column, 18 + (row - 1) / 3 * 3 + (column - 1) / 3}) {
                    present[static_cast<std::size_t>(unit)] += board.Feld.TextMatrix(row, column);
                }
            }
        }
    }
    for (int index = 0; index < 9; ++index) {
        const auto unit = static_cast<std::size_t>(index);
        if (board.Feld.TextMatrix(index + 1, 0) != Missing(present[unit])
            || board.Feld.TextMatrix(0, index + 1) != Missing(present[unit + 9])
            || board.Gruppe.TextMatrix(index / 3, index % 3) != Missing(present[unit + 18])) {
            return "the missing digits of row, column or box " + std::to_string(index + 1) + " are stale";
        }
    }
    const Label count
        = placed == 81 ? Label {"OK", Colour::Red} : Label {std::to_string(placed), board.Label2.back};
    return board.SolvedCount == placed && board.Label2 == count ? "" : "the count does not match the board";
}

TEST(RandomSession, KeepsEverySummaryAndTrialControlTrue)
{
    const char* seedText = std::getenv("ZIFORA_SESSION_SEED");
    const auto seed = seedText != nullptr ? std::strtoull(seedText, nullptr, 10) : std::random_device {}();
    std::mt19937_64 random(seed);
    const auto pick = [&random](std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
    };
    std::filesystem::current_path(ZIFORA_PUZZLES "/..");
    std::vector<std::string> files {"puzzles/no such file.txt", "puzzles"};
    for (const auto& entry : std::filesystem::directory_iterator("puzzles")) {
        files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> buttons; // every control a click reaches but the file dialog's button
    for (const Control& control : kControls) {
        if (std::holds_alternative<ClickHandler>(control.handler)) {
            buttons.emplace_back(control.name);
        }
    }
    Form1 form;
    Replay replay(form);
    std::ostringstream script;
    bool loaded = false;
    for (int event = 1; event <= 100000; ++event) {
        // A copy: the event changes the form.
        const FormState before = form.State(); // NOLINT(performance-unnecessary-copy-initialization)
        const std::size_t kind = pick(100);
        const std::string path = kind < 3 ? files[pick(files.size())] : "";
        std::string line = kind == 0 ? "cancel" : kind < 3 ? "load " + path : "";
        if (kind >= 3 && kind < 55) {
            line = "click " + buttons[pick(buttons.size())];
        } else if (kind >= 55 && kind < 60) {
            const std::string more[] {
                "undo", "redo", "key " + std::to_string(pick(9) + 1), "key Space", "key Escape"};
            line = more[kind - 55];
        } else if (kind >= 60 && (kind < 80 || !before.wahl.visible)) {
            line = "enter " + std::to_string(pick(9) + 1) + " " + std::to_string(pick(9) + 1);
        } else if (kind >= 60) {
            line = "choose " + std::to_string(pick(before.wahl.items.size()));
        }
        script << line << '\n';
        ASSERT_EQ(replay.Run(line, script), "");
        FormState after = form.State();
        loaded = loaded || !after.board.FileName.empty();
        std::string broken = Broken(after, loaded);
        // A refusal ends Text1 with the path; a cancel has none.
        const std::string& text1 = after.Text1.text;
        after.Text1 = before.Text1;
        if (kind < 3 && (kind == 0 || (text1.starts_with("Fehler: ") && text1.ends_with(": " + path)))
            && !(after == before)) {
            broken = "a refused load or a cancel changed more than Text1";
        }
        if (!broken.empty()) {
            const auto saved
                = std::filesystem::temp_directory_path() / ("zifora-session-" + std::to_string(seed));
            std::ofstream(saved) << script.str() << "dump\n";
            FAIL() << "event " << event << " of seed " << seed << ": " << broken
                   << "\nthe script: " << saved.string();
        }
    }
}

} // namespace
} // namespace zifora
