// SPDX-License-Identifier: MIT
#pragma once

#include "session_generator.h"

#include <string>

namespace zifora::test {

// What the program promises after every event, checked from the outside: summaries recounted from the cells,
// well-formed texts, given digits that only a load changes, refused loads and cancels that change nothing
// (but Text1), and the list and the trial buttons following trial mode.
class FormInvariants {
public:
    explicit FormInvariants(const SessionFolder& folder)
        : m_folder(folder)
    {
    }

    // Checks the step from before to after that event made; returns what was broken, or nothing. Call it for
    // every event of a session, in order, from a fresh form.
    std::string Check(const FormState& before, const FormState& after, const Event& event);

private:
    std::string CheckLoad(const FormState& before, const FormState& after, const SessionFile& file);

    const SessionFolder& m_folder;
    bool m_puzzleLoaded = false;
};

// The parts of Check that hold for any single state, whatever came before.
std::string CheckSummaries(const FormState& state);
std::string CheckTexts(const FormState& state, bool puzzleLoaded);
std::string CheckTrialControls(const FormState& state);

} // namespace zifora::test
