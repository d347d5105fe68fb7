// SPDX-License-Identifier: MIT
#include "oracle/qqwing_puzzles.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zifora::oracle {
namespace {

// qqwing's "easy" puzzles need singles and hidden singles and nothing else; the filter below makes
// sure of it from qqwing's own statistics.
constexpr int kPuzzles = 200;

// A person's loop with the two singles rules: "Zellen" places cells with one candidate, "Einzeln"
// digits with one place. Repeated until nothing changes, it must solve every such puzzle exactly as
// qqwing does, and the test must then find nothing.
TEST(QqwingOracle, SinglesLoopSolvesEveryPuzzleThatNeedsOnlySingles)
{
    if (!QqwingInstalled()) {
        GTEST_SKIP() << "qqwing is not installed (Debian package qqwing): the check against an outside "
                        "solver is skipped";
    }
    std::vector<GeneratedPuzzle> puzzles = Generate(kPuzzles + 20, "easy");
    std::erase_if(puzzles, [](const GeneratedPuzzle& puzzle) { return !puzzle.singlesSuffice; });
    ASSERT_GE(puzzles.size(), std::size_t {kPuzzles}) << "qqwing gave too few puzzles";
    puzzles.resize(kPuzzles);

    const ScratchFolder folder;
    int number = 0;
    for (const GeneratedPuzzle& puzzle : puzzles) {
        SCOPED_TRACE(puzzle.givens);
        Form1 form;
        Load(form, folder.Write(puzzle, ++number));
        const auto givens = 81 - std::count(puzzle.givens.begin(), puzzle.givens.end(), '.');
        ASSERT_EQ(form.State().board.Label2.caption, std::to_string(givens)) << "the puzzle did not load";
        RepeatUntilSettled(form, [](Form1& f) {
            f.Zellen_Click();
            f.Einzelne_Click();
        });
        EXPECT_EQ(form.State().board.Label2.caption, "OK");
        EXPECT_EQ(BoardText(form), puzzle.solution);
        form.Testen_Click();
        EXPECT_EQ(form.State().Text1.text, "Keine Fehler!");
    }
}

} // namespace
} // namespace zifora::oracle
