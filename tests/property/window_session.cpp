// SPDX-License-Identifier: MIT
#include "window_session.h"

#include "crash_script.h"
#include "replay.h"
#include "window_fixture.h"

#include <gtest/gtest-spi.h>
#include <random>
#include <sstream>

namespace zifora::test {
namespace {

// One event in this many is made with the keys where keys can make it.
constexpr int kKeysOdds = 4;
constexpr std::size_t kLongestValue = 160;

std::string Shortened(std::string text)
{
    if (text.size() > kLongestValue) {
        text.resize(kLongestValue);
        text += "...";
    }
    return text;
}

// A failure goes into the comment at the head of a replay script: it must stay on one line.
std::string OneLine(const std::string& text)
{
    std::istringstream lines(text);
    std::string joined;
    for (std::string line; std::getline(lines, line);) {
        const auto start = line.find_first_not_of(" \t\r");
        const auto end = line.find_last_not_of(" \t\r");
        if (start != std::string::npos) {
            joined += (joined.empty() ? "" : " | ") + line.substr(start, end - start + 1);
        }
    }
    return joined;
}

// A failed comparison of the widget tests, the widget or cell its trace names first.
std::string Described(const testing::TestPartResult& difference)
{
    static const std::string kTraceHead = "\nGoogle Test trace:\n";
    std::string message = difference.message();
    const auto trace = message.find(kTraceHead);
    if (trace == std::string::npos) {
        return message;
    }
    std::istringstream lines(message.substr(trace + kTraceHead.size()));
    std::string context;
    for (std::string line; std::getline(lines, line);) {
        // Each line of the trace is "file:line: what".
        const auto what = line.find(": ");
        context += (what == std::string::npos ? line : line.substr(what + 2)) + ": ";
    }
    message.resize(trace);
    return context + message;
}

std::string FirstDifference(const FormState& window, const FormState& model)
{
    const nlohmann::ordered_json shown = Dump(window);
    const nlohmann::ordered_json held = Dump(model);
    for (const auto& item : held.items()) {
        if (shown.at(item.key()) != item.value()) {
            return item.key() + " is " + Shortened(shown.at(item.key()).dump()) + " where the model has "
                + Shortened(item.value().dump());
        }
    }
    return "in a control the dump leaves out";
}

std::string CheckStep(const WindowUser& user, const Form1& model, const FormState& before, const Event& event,
    const StepCheck& check)
{
    const FormState& after = user.Form().State();
    if (after != model.State()) {
        return "the window did not hand the event on as it came: " + FirstDifference(after, model.State());
    }
    std::string broken = check(before, after, event);
    if (broken.empty()) {
        broken = WidgetsDiffer(user.Window(), after);
    }
    return OneLine(broken);
}

// The events are the generator's whatever makes them: how each is made comes from a stream of its own.
Input NextInput(std::mt19937_64& hands)
{
    return std::uniform_int_distribution<int>(1, kKeysOdds)(hands) == 1 ? Input::Keys : Input::Mouse;
}

struct Played {
    std::vector<WindowStep> steps;
    std::vector<Event> events;
    std::string broken;
};

Played Play(std::uint64_t seed, const SessionFolder& folder, int eventCount, const StepCheck& check,
    WindowSessionResult& result)
{
    WindowUser user(folder);
    Form1 model;
    SessionGenerator generator(seed, folder, Moves::UserOnly);
    std::mt19937_64 hands(~seed);
    Played played;
    const CrashScript crashScript(seed, played.events, folder);
    while (played.steps.size() < static_cast<std::size_t>(eventCount)) {
        const FormState before = user.Form().State();
        const WindowStep step {generator.Next(before), NextInput(hands)};
        played.events.push_back(step.event);
        const Made made = user.Make(step.event, step.input);
        result.byMouse += made == Made::ByMouse;
        result.byKeys += made == Made::ByKeys;
        result.notMade += made == Made::Not;
        if (made == Made::Not) {
            played.events.pop_back();
            continue;
        }
        played.steps.push_back(step);
        ApplyToForm(model, step.event, folder);
        played.broken = CheckStep(user, model, before, step.event, check);
        if (!played.broken.empty()) {
            break;
        }
    }
    return played;
}

// Makes the steps again on a fresh window; the length of the first prefix that breaks a check, or nothing.
std::optional<std::size_t> FirstBrokenPrefix(
    const std::vector<WindowStep>& steps, const SessionFolder& folder, const StepCheckFactory& makeCheck)
{
    WindowUser user(folder);
    Form1 model;
    const StepCheck check = makeCheck(folder);
    for (std::size_t length = 1; length <= steps.size(); ++length) {
        const WindowStep& step = steps[length - 1];
        const FormState before = user.Form().State();
        if (user.Make(step.event, step.input) == Made::Not) {
            return std::nullopt;
        }
        ApplyToForm(model, step.event, folder);
        if (!CheckStep(user, model, before, step.event, check).empty()) {
            return length;
        }
    }
    return std::nullopt;
}

} // namespace

WindowSessionResult RunWindowSession(
    std::uint64_t seed, const SessionFolder& folder, int eventCount, const StepCheckFactory& makeCheck)
{
    WindowSessionResult result;
    Played played = Play(seed, folder, eventCount, makeCheck(folder), result);
    if (played.broken.empty()) {
        return result;
    }
    SessionFailure failure {seed, std::move(played.events), std::move(played.broken)};
    if (const std::optional<std::size_t> length = FirstBrokenPrefix(played.steps, folder, makeCheck)) {
        failure.events.resize(*length);
    } else {
        failure.reproduced = false;
    }
    result.failure = std::move(failure);
    return result;
}

std::string WidgetsDiffer(const MainWindow& window, const FormState& state)
{
    testing::TestPartResultArray differences;
    {
        const testing::ScopedFakeTestPartResultReporter capture(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &differences);
        ExpectShowsForm(window, state);
    }
    if (differences.size() == 0) {
        return {};
    }
    std::string differ = "a widget does not show the form: " + Described(differences.GetTestPartResult(0));
    if (differences.size() > 1) {
        differ += " (and " + std::to_string(differences.size() - 1) + " more differences)";
    }
    return differ;
}

} // namespace zifora::test
