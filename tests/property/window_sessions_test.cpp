// SPDX-License-Identifier: MIT
// Random user sessions on the real window, offscreen: every event a real click or key press, the window's
// form held against a model form given the same events, every widget against the form, and the promises of
// the model sessions after each event. ZIFORA_SESSION_SEED picks other sessions (and files),
// ZIFORA_WINDOW_EVENTS sets how many events in all.
#include "replay.h"
#include "replayed.h"
#include "window_session.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace zifora::test {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261207;
constexpr int kDefaultEvents = 4000;
constexpr int kEventsPerSession = 300;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// How far the sessions got, so that sessions which never reach trial play on a puzzle are noticed.
struct Reached {
    int goodLoads = 0;
    int digitsChosen = 0;
    int accepted = 0;
};

StepCheckFactory CountingPromises(Reached& reached)
{
    return [&reached](const SessionFolder& folder) -> StepCheck {
        return [&reached, check = PromisedBehaviour(folder)](
                   const FormState& before, const FormState& after, const Event& event) {
            reached.goodLoads
                += event.kind == EventKind::Load && after.board.FileName != before.board.FileName;
            reached.digitsChosen += event.kind == EventKind::Choose && event.index > 0;
            reached.accepted
                += event.kind == EventKind::Click && event.button == "TestOK" && before.board.TestMode;
            return check(before, after, event);
        };
    };
}

std::string Report(const SessionFailure& failure, SessionFolder& folder, std::uint64_t baseSeed)
{
    folder.Keep();
    const std::string script = ReplayScript(failure, folder);
    const std::filesystem::path file = folder.Path() / ("window-" + std::to_string(failure.seed) + ".txt");
    std::ofstream(file, std::ios::binary) << script;
    return "A random session on the window broke a promise: " + failure.broken
        + "\nRun again with ZIFORA_SESSION_SEED=" + std::to_string(baseSeed)
        + "; the form alone replays with: zifora-replay " + file.string() + "\n" + script;
}

TEST(WindowSessions, EveryWidgetShowsTheFormAfterThousandsOfClicksAndKeys)
{
    const std::uint64_t baseSeed = FromEnvironment("ZIFORA_SESSION_SEED", kDefaultSeed);
    const auto events = static_cast<int>(FromEnvironment("ZIFORA_WINDOW_EVENTS", kDefaultEvents));
    SessionFolder folder(baseSeed);
    Reached reached;
    WindowSessionResult total;
    for (int done = 0, session = 0; done < events; done += kEventsPerSession, ++session) {
        const std::uint64_t seed = baseSeed * 1000 + static_cast<std::uint64_t>(session);
        const WindowSessionResult result = RunWindowSession(
            seed, folder, std::min(kEventsPerSession, events - done), CountingPromises(reached));
        if (result.failure) {
            FAIL() << Report(*result.failure, folder, baseSeed);
        }
        total.byMouse += result.byMouse;
        total.byKeys += result.byKeys;
        total.notMade += result.notMade;
    }
    if (events >= kDefaultEvents) {
        EXPECT_GT(total.byKeys, events / 16);
        EXPECT_GT(reached.goodLoads, 50);
        EXPECT_GT(reached.digitsChosen, 20);
        EXPECT_GT(reached.accepted, 20);
    }
    RecordProperty("byMouse", total.byMouse);
    RecordProperty("byKeys", total.byKeys);
    RecordProperty("notMade", total.notMade);
}

// The script of every event a session made, for comparing two runs.
StepCheckFactory Recording(std::string& script)
{
    return [&script](const SessionFolder& folder) -> StepCheck {
        return [&script, &folder](const FormState&, const FormState&, const Event& event) {
            script += ScriptLine(event, folder) + "\n";
            return std::string();
        };
    };
}

TEST(WindowSessions, SameSeedMakesTheSameSession)
{
    SessionFolder folder(7);
    std::string first, again, other;
    EXPECT_FALSE(RunWindowSession(1, folder, 150, Recording(first)).failure);
    EXPECT_FALSE(RunWindowSession(1, folder, 150, Recording(again)).failure);
    EXPECT_FALSE(RunWindowSession(2, folder, 150, Recording(other)).failure);
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
}

TEST(WindowSessions, WidgetsDifferNamesTheWidgetThatStrays)
{
    SessionFolder folder(3);
    WindowUser user(folder);
    EXPECT_EQ(WidgetsDiffer(user.Window(), user.Form().State()), "");
    user.Window().findChild<QPushButton*>("TestOK")->setEnabled(true);
    EXPECT_NE(WidgetsDiffer(user.Window(), user.Form().State()).find("TestOK"), std::string::npos);
    user.Window().Render();
    user.Window().findChild<QTableWidget*>("Feld")->item(4, 5)->setText("7");
    EXPECT_NE(WidgetsDiffer(user.Window(), user.Form().State()).find("Feld 4,5"), std::string::npos);
}

std::size_t FileNamed(const SessionFolder& folder, const std::string& name)
{
    const auto& files = folder.Files();
    const auto found
        = std::find_if(files.begin(), files.end(), [&](const auto& file) { return file.name == name; });
    return static_cast<std::size_t>(found - files.begin());
}

TEST(WindowUser, DisabledButtonsTakeClicksButNeverTheFocus)
{
    SessionFolder folder(3);
    WindowUser user(folder);
    const FormState start = user.Form().State();
    EXPECT_EQ(user.Make(Event {.button = "Reset"}, Input::Keys), Made::ByMouse);
    EXPECT_EQ(user.Form().State(), start);
    EXPECT_EQ(user.Make(Event {.button = "Check1"}, Input::Keys), Made::ByKeys);
    EXPECT_TRUE(user.Form().State().board.TestMode);
    EXPECT_EQ(user.Make(Event {.button = "Reset"}, Input::Keys), Made::ByKeys);
}

TEST(WindowUser, ClicksEveryEntryOfAListOverTheLastRow)
{
    SessionFolder folder(3);
    WindowUser user(folder);
    const Event load {.kind = EventKind::Load, .file = FileNamed(folder, "classic.txt")};
    ASSERT_EQ(user.Make(load, Input::Mouse), Made::ByMouse);
    ASSERT_EQ(user.Make(Event {.button = "Check1"}, Input::Mouse), Made::ByMouse);
    const Board& board = user.Form().State().board;
    int column = 1;
    while (
        column <= 9 && (board.CellState(9, column) != kOpen || board.Feld.TextMatrix(9, column).size() < 2)) {
        ++column;
    }
    ASSERT_LE(column, 9) << "no cell of the last row with two candidates";
    ASSERT_EQ(
        user.Make(Event {.kind = EventKind::Enter, .row = 9, .column = column}, Input::Mouse), Made::ByMouse);
    ASSERT_TRUE(user.Form().State().wahl.visible);
    const std::string second = user.Form().State().wahl.items.at(2);

    // The list over the last row moves up into the window, so even its last entries take a click.
    EXPECT_EQ(user.Make(Event {.kind = EventKind::Choose, .index = 2}, Input::Mouse), Made::ByMouse);
    EXPECT_EQ(board.Feld.TextMatrix(9, column), second);
    EXPECT_EQ(board.CellState(9, column), kTrial);
}

} // namespace
} // namespace zifora::test
