// SPDX-License-Identifier: MIT
// The promises are only worth checking if a broken form breaks them: each case here spoils one thing of a
// sound form and expects the check to name it.
#include "form_session.h"

#include <functional>
#include <gtest/gtest.h>

namespace zifora::test {
namespace {

class FormInvariantsTest : public testing::Test {
protected:
    FormInvariantsTest()
    {
        Step(LoadOf("classic.txt"));
        Step(Event {.kind = EventKind::Click, .button = "Check1"});
        Step(Event {.kind = EventKind::Enter, .row = 1, .column = 3});
        Step(Event {.kind = EventKind::Choose, .index = 1});
    }

    Event LoadOf(const std::string& name) const
    {
        for (std::size_t file = 0; file < m_folder.Files().size(); ++file) {
            if (m_folder.Files()[file].name == name) {
                return Event {.kind = EventKind::Load, .file = file};
            }
        }
        throw std::invalid_argument(name);
    }

    void Step(const Event& event)
    {
        const FormState before = m_form.State();
        ApplyToForm(m_form, event, m_folder);
        ASSERT_EQ(m_invariants.Check(before, m_form.State(), event), "");
    }

    // What the check says when event turned the sound form into one spoiled by spoil.
    std::string Spoiled(const Event& event, const std::function<void(FormState&)>& spoil)
    {
        FormInvariants invariants = m_invariants;
        FormState after = m_form.State();
        spoil(after);
        return invariants.Check(m_form.State(), after, event);
    }

    SessionFolder m_folder {3};
    Form1 m_form;
    FormInvariants m_invariants {m_folder};
};

const Event kZellen {.kind = EventKind::Click, .button = "Zellen"};

TEST_F(FormInvariantsTest, SummariesAreRecountedFromTheCells)
{
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Feld.SetTextMatrix(4, 0, "1"); }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Feld.SetTextMatrix(0, 9, ""); }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Gruppe.SetTextMatrix(2, 1, "9"); }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { ++s.board.SolvedCount; }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Label2.caption = "OK"; }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Feld.SetTextMatrix(0, 0, "5"); }), "");
    // A placed digit that the summaries did not follow.
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Feld.SetTextMatrix(1, 3, "9"); }), "");
}

TEST_F(FormInvariantsTest, TextsAreDigitStringsAndPlacedCellsOneDigit)
{
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Feld.SetTextMatrix(3, 1, "21"); }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Feld.SetTextMatrix(3, 1, "1 2"); }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.Feld.SetTextMatrix(3, 1, "0"); }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.CellState(3, 1) = 1; }), "");
}

TEST_F(FormInvariantsTest, GivenAndPlacedDigitsChangeOnlyThroughALoad)
{
    // (1, 1) is a given 5; (1, 3) was chosen by hand and then accepted.
    Step(Event {.kind = EventKind::Click, .button = "TestOK"});
    EXPECT_NE(Spoiled(kZellen,
                  [](FormState& s) {
                      s.board.Feld.SetCurrent(1, 1);
                      s.board.Feld.SetCellLook({Colour::Red, std::nullopt, s.board.Feld.Look(1, 1).align});
                  }),
        "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.CellState(1, 3) = kOpen; }), "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.board.CellState(1, 1) = kTrial; }), "");
}

TEST_F(FormInvariantsTest, RefusedLoadsAndCancelsChangeNothingButText1)
{
    const Event cancel {.kind = EventKind::Cancel};
    EXPECT_NE(Spoiled(cancel, [](FormState& s) { s.Text2.text = "x"; }), "");
    const Event refused = LoadOf("short_line.txt");
    const std::string path = m_folder.PathOf(m_folder.Files()[refused.file]);
    EXPECT_EQ(
        Spoiled(refused, [&path](FormState& s) { s.Text1.text = "Fehler: Zeile 3 zu kurz: " + path; }), "");
    EXPECT_NE(Spoiled(refused,
                  [&path](FormState& s) {
                      s.Text1.text = "Fehler: " + path;
                      s.board.FileName = path;
                  }),
        "");
    EXPECT_NE(Spoiled(refused, [](FormState& s) { s.Text1.text = "Keine Fehler!"; }), "");
    // A good file that the form refused.
    EXPECT_NE(Spoiled(LoadOf("solved.txt"), [](FormState& s) { s.Text1.text = "Fehler: x"; }), "");
}

TEST_F(FormInvariantsTest, ListAndTrialButtonsFollowTrialMode)
{
    EXPECT_NE(Spoiled(kZellen,
                  [](FormState& s) {
                      s.board.TestMode = false;
                      s.Check1.checked = false;
                  }),
        "");
    EXPECT_NE(Spoiled(kZellen, [](FormState& s) { s.TestOK.enabled = false; }), "");
    const Event check1 {.kind = EventKind::Click, .button = "Check1"};
    EXPECT_NE(Spoiled(check1, [](FormState&) {}), "") << "a click on Check1 that changed nothing";
}

TEST_F(FormInvariantsTest, MovesAUserCannotMakeChangeNothing)
{
    const Event hidden {.kind = EventKind::Choose, .index = 7, .byUser = false};
    EXPECT_NE(Spoiled(hidden, [](FormState& s) { s.wahl.visible = false; }), "");
    EXPECT_EQ(Spoiled(hidden, [](FormState&) {}), "");
}

} // namespace
} // namespace zifora::test
