// SPDX-License-Identifier: MIT
#pragma once

#include "window/form.h"

#include <cstddef>
#include <deque>
#include <vector>

namespace zifora {

// The way back: whole copies of the form from before each event that changed what the window shows. Every
// event is recorded alike, so each way in -- a button, a choice, a load, a paste -- can be taken back
// without any handler knowing of it.
class History {
public:
    // Far more than anyone takes back by hand; a copy of the form is some kilobytes.
    static constexpr std::size_t kSteps = 1000;

    // An event took the form from before to after. When it changed anything the window shows beyond the
    // current cell and the list, it can be taken back, and whatever could be redone is dropped.
    void Record(Form1 before, const Form1& after);
    // Puts the form back as it was before the last event not yet taken back. False when there is none.
    bool Undo(Form1& form);
    // Runs again, as it were, the event taken back last. False when there is none.
    bool Redo(Form1& form);
    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }

private:
    std::deque<Form1> m_undo;
    std::vector<Form1> m_redo;
};

} // namespace zifora
