// SPDX-License-Identifier: MIT
// Thousands of random user sessions on the form model, each step checked against what the program promises.
// ZIFORA_SESSION_SEED picks other sessions (and files), ZIFORA_SESSION_EVENTS sets how many events in all.
#include "form_session.h"
#include "replay.h"
#include "replayed.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace zifora::test {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261206;
constexpr int kDefaultEvents = 100'000;
constexpr int kEventsPerSession = 400;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// How far the sessions got, so that a generator which never reaches trial play or a full board is noticed.
struct Reached {
    int goodLoads = 0;
    int refusedLoads = 0;
    int digitsChosen = 0;
    int accepted = 0;
    int discarded = 0;
    int fullBoards = 0;
};

StepCheckFactory CountingPromises(Reached& reached)
{
    return [&reached](const SessionFolder& folder) -> StepCheck {
        return [&reached, &folder, check = PromisedBehaviour(folder)](
                   const FormState& before, const FormState& after, const Event& event) {
            const bool enabled = before.board.TestMode;
            reached.goodLoads
                += event.kind == EventKind::Load && after.board.FileName != before.board.FileName;
            reached.refusedLoads += event.kind == EventKind::Load && after.Text1.text.starts_with("Fehler: ");
            reached.digitsChosen += event.kind == EventKind::Choose && event.byUser && event.index > 0;
            reached.accepted += event.kind == EventKind::Click && event.button == "TestOK" && enabled;
            reached.discarded += event.kind == EventKind::Click && event.button == "Reset" && enabled;
            reached.fullBoards += after.board.SolvedCount == 81 && before.board.SolvedCount != 81
                && !after.board.FileName.empty();
            return check(before, after, event);
        };
    };
}

// Keeps the folder and writes the script beside the files it loads, so that it replays as it stands.
std::string Report(const SessionFailure& failure, SessionFolder& folder, std::uint64_t baseSeed)
{
    folder.Keep();
    const std::string script = ReplayScript(failure, folder);
    const std::filesystem::path file = folder.Path() / ("session-" + std::to_string(failure.seed) + ".txt");
    std::ofstream(file, std::ios::binary) << script;
    return "A random session broke a promise: " + failure.broken + "\nRun again with ZIFORA_SESSION_SEED="
        + std::to_string(baseSeed) + "; replay with: zifora-replay " + file.string() + "\n" + script;
}

TEST(RandomSessions, KeepEveryPromiseOverAHundredThousandEvents)
{
    const std::uint64_t baseSeed = FromEnvironment("ZIFORA_SESSION_SEED", kDefaultSeed);
    const auto events = static_cast<int>(FromEnvironment("ZIFORA_SESSION_EVENTS", kDefaultEvents));
    SessionFolder folder(baseSeed);
    Reached reached;
    for (int done = 0, session = 0; done < events; done += kEventsPerSession, ++session) {
        const std::uint64_t seed = baseSeed * 1000 + static_cast<std::uint64_t>(session);
        if (const auto failure = RunFormSession(seed, folder, kEventsPerSession, CountingPromises(reached))) {
            FAIL() << Report(*failure, folder, baseSeed);
        }
    }
    if (events >= kDefaultEvents) {
        EXPECT_GT(reached.goodLoads, 1500);
        EXPECT_GT(reached.refusedLoads, 500);
        EXPECT_GT(reached.digitsChosen, 1000);
        EXPECT_GT(reached.accepted, 800);
        EXPECT_GT(reached.discarded, 600);
        EXPECT_GT(reached.fullBoards, 400);
    }
}

TEST(RandomSessions, SameSeedGivesSameSession)
{
    SessionFolder folder(7);
    const auto run = [&folder](std::uint64_t seed) {
        Form1 form;
        SessionGenerator generator(seed, folder, Moves::AlsoImpossible);
        std::string script;
        for (int step = 0; step < 500; ++step) {
            const Event event = generator.Next(form.State());
            ApplyToForm(form, event, folder);
            script += ScriptLine(event, folder) + "\n";
        }
        return script;
    };
    EXPECT_EQ(run(1), run(1));
    EXPECT_NE(run(1), run(2));
}

TEST(RandomSessions, UserOnlySessionsChooseOnlyShownEntries)
{
    SessionFolder folder(7);
    Form1 form;
    SessionGenerator generator(3, folder, Moves::UserOnly);
    for (int step = 0; step < 5000; ++step) {
        const Event event = generator.Next(form.State());
        ASSERT_TRUE(event.byUser);
        if (event.kind == EventKind::Choose) {
            ASSERT_TRUE(form.State().wahl.visible);
            ASSERT_LT(static_cast<std::size_t>(event.index), form.State().wahl.items.size());
        }
        ApplyToForm(form, event, folder);
    }
}

TEST(RandomSessions, FailureIsTheShortestPrefixAsAReplayableScript)
{
    SessionFolder folder(11);
    // A stand-in for a broken promise that some sessions reach only late: trial mode on over a loaded puzzle
    // with a digit of the list placed.
    const StepCheckFactory trialDigitPlaced = [](const SessionFolder&) -> StepCheck {
        return [](const FormState&, const FormState& after, const Event&) {
            bool trialCell = false;
            for (int row = 1; row <= 9; ++row) {
                for (int column = 1; column <= 9; ++column) {
                    trialCell = trialCell || after.board.Feld.Look(row, column).back == Colour::Red;
                }
            }
            return trialCell && after.board.TestMode ? std::string("a red trial cell in trial mode")
                                                     : std::string();
        };
    };
    const auto failure = RunFormSession(5, folder, 2000, trialDigitPlaced);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->reproduced);
    EXPECT_EQ(failure->events.back().kind, EventKind::Choose);

    const std::vector<std::string> dumps = Replayed(ReplayScript(*failure, folder), folder);
    ASSERT_EQ(dumps.size(), 1U);
    EXPECT_NE(dumps[0].find("\"red "), std::string::npos);
    EXPECT_NE(dumps[0].find("\"testMode\":true"), std::string::npos);

    SessionFailure shorter = *failure;
    shorter.events.pop_back();
    const std::vector<std::string> before = Replayed(ReplayScript(shorter, folder), folder);
    ASSERT_EQ(before.size(), 1U);
    EXPECT_TRUE(before[0].find("\"red ") == std::string::npos
        || before[0].find("\"testMode\":false") != std::string::npos);
}

TEST(RandomSessionsDeathTest, CrashPrintsTheSessionUpToTheEventThatCrashed)
{
    // The child process that dies is forked after the folder exists, so the folder goes with this test.
    SessionFolder folder(13);
    const StepCheckFactory crashOnTwentieth = [](const SessionFolder&) -> StepCheck {
        return [step = 0](const FormState&, const FormState&, const Event&) mutable {
            if (++step == 20) {
                std::abort();
            }
            return std::string();
        };
    };
    EXPECT_DEATH(RunFormSession(5, folder, 100, crashOnTwentieth),
        "crashed; replay with: zifora-replay .*crash-5.txt\n# session seed 5, 20 events");
}

} // namespace
} // namespace zifora::test
