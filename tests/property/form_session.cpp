// SPDX-License-Identifier: MIT
#include "form_session.h"

#include "crash_script.h"

namespace zifora::test {
namespace {

void ClickOn(Form1& form, std::string_view button)
{
    (form.*std::get<ClickHandler>(FindControl(button)->handler))();
}

// Replays events from a fresh form, checking each step; the length of the first prefix that breaks the
// check, or nothing.
std::optional<std::size_t> FirstBrokenPrefix(
    const std::vector<Event>& events, const SessionFolder& folder, const StepCheckFactory& makeCheck)
{
    Form1 form;
    const StepCheck check = makeCheck(folder);
    for (std::size_t length = 1; length <= events.size(); ++length) {
        const FormState before = form.State();
        ApplyToForm(form, events[length - 1], folder);
        if (!check(before, form.State(), events[length - 1]).empty()) {
            return length;
        }
    }
    return std::nullopt;
}

} // namespace

void ApplyToForm(Form1& form, const Event& event, const SessionFolder& folder)
{
    switch (event.kind) {
    case EventKind::Load: {
        AnswerChooser chooser(folder.PathOf(folder.Files()[event.file]));
        return form.Los_Click(chooser);
    }
    case EventKind::Cancel: {
        AnswerChooser chooser;
        return form.Los_Click(chooser);
    }
    case EventKind::Click:
        return ClickOn(form, event.button);
    case EventKind::Enter:
        return form.Feld_EnterCell(event.row, event.column);
    case EventKind::Choose:
        return form.wahl_Click(event.index);
    }
}

StepCheck PromisedBehaviour(const SessionFolder& folder)
{
    return [invariants = FormInvariants(folder)](const FormState& before, const FormState& after,
               const Event& event) mutable { return invariants.Check(before, after, event); };
}

std::optional<SessionFailure> RunFormSession(
    std::uint64_t seed, const SessionFolder& folder, int eventCount, const StepCheckFactory& makeCheck)
{
    Form1 form;
    SessionGenerator generator(seed, folder, Moves::AlsoImpossible);
    const StepCheck check = makeCheck(folder);
    std::vector<Event> events;
    const CrashScript crashScript(seed, events, folder);
    for (int step = 0; step < eventCount; ++step) {
        const FormState before = form.State();
        events.push_back(generator.Next(before));
        ApplyToForm(form, events.back(), folder);
        std::string broken = check(before, form.State(), events.back());
        if (broken.empty()) {
            continue;
        }
        SessionFailure failure {seed, events, std::move(broken)};
        if (const std::optional<std::size_t> length = FirstBrokenPrefix(events, folder, makeCheck)) {
            failure.events.resize(*length);
        } else {
            failure.reproduced = false;
        }
        return failure;
    }
    return std::nullopt;
}

std::string ReplayScript(const SessionFailure& failure, const SessionFolder& folder)
{
    std::string script = "# session seed " + std::to_string(failure.seed) + ", "
        + std::to_string(failure.events.size()) + " events; after the last: " + failure.broken + "\n";
    if (!failure.reproduced) {
        script += "# (a fresh form did not break on these events again)\n";
    }
    for (const Event& event : failure.events) {
        script += ScriptLine(event, folder) + "\n";
    }
    return script + "dump\n";
}

} // namespace zifora::test
