// SPDX-License-Identifier: MIT
#pragma once

#include "form_invariants.h"
#include "session_generator.h"
#include "window/form.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zifora::test {

// Runs one event on the form model the way the window would hand it over.
void ApplyToForm(Form1& form, const Event& event, const SessionFolder& folder);

// Judges one step of a session: empty when it is fine. Called for every event, in order, from a fresh form.
using StepCheck
    = std::function<std::string(const FormState& before, const FormState& after, const Event& event)>;
using StepCheckFactory = std::function<StepCheck(const SessionFolder& folder)>;

// The check of every session unless a test asks for another: the promises of FormInvariants.
StepCheck PromisedBehaviour(const SessionFolder& folder);

struct SessionFailure {
    std::uint64_t seed = 0;
    std::vector<Event> events; // the shortest prefix of the session that breaks the check
    std::string broken;
    bool reproduced = true; // false when a fresh form did not break at the same place
};

// Runs a session of eventCount events from a fresh form, checking every step. On a failure the session is
// run again from a fresh form on ever longer prefixes until one breaks the check.
std::optional<SessionFailure> RunFormSession(
    std::uint64_t seed, const SessionFolder& folder, int eventCount, const StepCheckFactory& makeCheck);

// A zifora-replay script that shows the failure, to be run from inside the session folder.
std::string ReplayScript(const SessionFailure& failure, const SessionFolder& folder);

} // namespace zifora::test
