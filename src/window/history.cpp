// SPDX-License-Identifier: MIT
#include "window/history.h"

#include <utility>

namespace zifora {
namespace {

// Whether the event changed more than where the user is: the current cell, and the list that follows it.
// Moving about the board is not a step to take back, as moving the cursor in a text is not.
bool IsStep(const FormState& before, const FormState& after)
{
    FormState moved = after;
    moved.wahl = before.wahl;
    moved.board.Feld.SetCurrent(before.board.Feld.Row(), before.board.Feld.Col());
    return !(moved == before);
}

} // namespace

void History::Record(Form1 before, const Form1& after)
{
    if (!IsStep(before.State(), after.State())) {
        return;
    }
    m_undo.push_back(std::move(before));
    if (m_undo.size() > kSteps) {
        m_undo.pop_front();
    }
    m_redo.clear();
}

bool History::Undo(Form1& form)
{
    if (m_undo.empty()) {
        return false;
    }
    m_redo.push_back(std::exchange(form, std::move(m_undo.back())));
    m_undo.pop_back();
    return true;
}

bool History::Redo(Form1& form)
{
    if (m_redo.empty()) {
        return false;
    }
    m_undo.push_back(std::exchange(form, std::move(m_redo.back())));
    m_redo.pop_back();
    return true;
}

} // namespace zifora
