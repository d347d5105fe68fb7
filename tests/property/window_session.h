// SPDX-License-Identifier: MIT
#pragma once

#include "form_session.h"
#include "window_user.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zifora::test {

// One event as the window got it.
struct WindowStep {
    Event event;
    Input input = Input::Mouse;
};

struct WindowSessionResult {
    std::optional<SessionFailure> failure;
    int byMouse = 0;
    int byKeys = 0;
    int notMade = 0; // events no user could make, left out of the session
};

// Runs a session of eventCount user events on the real window over a fresh form. After each event made, the
// window's form must equal a model form that got the same event straight from ApplyToForm, every widget
// must show that form, and makeCheck's check must hold. On a failure the steps are made again on a fresh
// window until one breaks, so that the failure holds the shortest prefix that shows it.
WindowSessionResult RunWindowSession(
    std::uint64_t seed, const SessionFolder& folder, int eventCount, const StepCheckFactory& makeCheck);

// What a widget of the window shows differently from the form, or nothing when every widget shows it.
std::string WidgetsDiffer(const MainWindow& window, const FormState& state);

} // namespace zifora::test
