// SPDX-License-Identifier: MIT
#include "window/form.h"

#include <functional>
#include <gtest/gtest.h>

namespace zifora {
namespace {

// Events the widgets cannot send, and a script cannot write, reach the form only through its API: a header
// or an off-board cell entered, a choice the list does not offer. Each changes nothing.
TEST(Form1, IgnoresEventsNoWidgetCanSend)
{
    Form1 form;
    AnswerChooser chooser(std::string(ZIFORA_PUZZLES "/trial_classic.txt"));
    form.Los_Click(chooser);
    form.Check1_Click();
    form.Feld_EnterCell(1, 3);
    ASSERT_TRUE(form.State().wahl.visible);
    const std::function<void(Form1&)> events[] = {
        [](Form1& f) { f.Feld_EnterCell(0, 3); },
        [](Form1& f) { f.Feld_EnterCell(4, 0); },
        [](Form1& f) { f.Feld_EnterCell(10, 1); },
        [](Form1& f) { f.Feld_EnterCell(1, -1); },
        [](Form1& f) { f.wahl_Click(-1); },
        [](Form1& f) { f.wahl_Click(static_cast<int>(f.State().wahl.items.size())); },
    };
    for (const auto& event : events) {
        const FormState before = form.State();
        event(form);
        EXPECT_TRUE(form.State() == before);
    }
    form.wahl_Click(0);
    const FormState hidden = form.State();
    form.wahl_Click(1);
    EXPECT_TRUE(form.State() == hidden) << "a choice from the hidden list";
}

} // namespace
} // namespace zifora
