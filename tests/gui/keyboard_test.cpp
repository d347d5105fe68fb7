// SPDX-License-Identifier: MIT
// The window from the keyboard alone: Tab through the controls, arrows in the grid, Space on the buttons and
// the check box, Enter into and on the list, Escape out of it.
#include "window_fixture.h"

#include <QApplication>
#include <QFocusFrame>
#include <QTest>
#include <vector>

namespace zifora::test {
namespace {

class Keyboard : public WindowTest {
protected:
    Keyboard()
    {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Sends the key where a person's key press goes: to the widget that has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "no control has the focus";
        QTest::keyClick(focused, key, modifiers);
    }

    // The name of the control that the style's focus frame shows around, if any.
    std::string Framed() const
    {
        for (const QFocusFrame* frame : window.findChildren<QFocusFrame*>()) {
            if (frame->isVisible() && frame->widget() != nullptr) {
                return frame->widget()->objectName().toStdString();
            }
        }
        return "";
    }

    // The name of the window's control that has the focus.
    static std::string Focused()
    {
        const QWidget* focused = QApplication::focusWidget();
        return focused == nullptr ? "" : focused->objectName().toStdString();
    }

    std::vector<std::string> TabCycle(Qt::KeyboardModifiers modifiers, int presses)
    {
        std::vector<std::string> visited;
        for (int press = 0; press < presses; ++press) {
            Press(Qt::Key_Tab, modifiers);
            visited.push_back(Focused());
        }
        return visited;
    }

    // Tabs forward to the control; fails after a whole round of the window without reaching it.
    void TabTo(const std::string& name)
    {
        for (int press = 0; press < 16 && Focused() != name; ++press) {
            Press(Qt::Key_Tab);
        }
        ASSERT_EQ(Focused(), name);
    }

    // Walks the grid's current cell to (row, column) with the arrow keys, a row at a time, then a column.
    void ArrowTo(int row, int column)
    {
        ASSERT_EQ(Focused(), "Feld");
        const Grid& feld = form.State().board.Feld;
        while (feld.Row() != row) {
            const int before = feld.Row();
            Press(feld.Row() < row ? Qt::Key_Down : Qt::Key_Up);
            ASSERT_NE(feld.Row(), before) << "an arrow key did not move the current cell";
        }
        while (feld.Col() != column) {
            const int before = feld.Col();
            Press(feld.Col() < column ? Qt::Key_Right : Qt::Key_Left);
            ASSERT_NE(feld.Col(), before) << "an arrow key did not move the current cell";
        }
    }

    const Board& Model() const { return form.State().board; }
};

TEST_F(Keyboard, TabVisitsTheEnabledShownControlsInTheWindowsOrder)
{
    ASSERT_EQ(Focused(), "Feld") << "the grid has the focus at start-up";
    // The list is hidden and Reset and Ubernahme are disabled; the labels take no focus.
    const std::vector<std::string> atStartUp {
        "Gruppe", "Zellen", "Testen", "Text1", "Text2", "Los", "Check1", "Einzelne", "D2er", "Feld"};
    EXPECT_EQ(TabCycle(Qt::NoModifier, 10), atStartUp);

    Do("click Check1");
    Do("load easy.txt");
    Do("cell 1 3");
    ASSERT_TRUE(form.State().wahl.visible);
    Feld()->setFocus();
    const std::vector<std::string> inTrialMode {"Gruppe", "Zellen", "Testen", "Text1", "Text2", "Los",
        "Check1", "wahl", "Reset", "TestOK", "Einzelne", "D2er", "Feld"};
    EXPECT_EQ(TabCycle(Qt::NoModifier, 13), inTrialMode);
    const std::vector<std::string> backwards {"D2er", "Einzelne", "TestOK", "Reset", "wahl"};
    EXPECT_EQ(TabCycle(Qt::ShiftModifier, 5), backwards);
}

TEST_F(Keyboard, WholeTrialStoryWithKeysOnly)
{
    chooser.answer = GuiTestFile("easy.txt");
    TabTo("Los");
    Press(Qt::Key_Space);
    ASSERT_EQ(Model().FileName, *chooser.answer);
    EXPECT_EQ(Model().Feld.TextMatrix(1, 1), "3");
    EXPECT_EQ(Model().CellState(1, 1), kPlaced);

    TabTo("Check1");
    Press(Qt::Key_Space);
    ASSERT_TRUE(Model().TestMode);
    EXPECT_TRUE(form.State().Check1.checked);
    EXPECT_TRUE(form.State().TestOK.enabled);

    TabTo("Feld");
    ArrowTo(1, 3);
    ASSERT_EQ(Model().CellState(1, 3), kOpen);
    const std::string candidates = Model().Feld.TextMatrix(1, 3);
    ASSERT_GE(candidates.size(), 2U);
    ASSERT_TRUE(form.State().wahl.visible) << "entering an open cell shows the list";
    EXPECT_EQ(form.State().wahl.items.size(), candidates.size() + 1);

    Press(Qt::Key_Return);
    ASSERT_EQ(Focused(), "wahl") << "Enter in the grid takes the focus into the list";
    const FormState beforeChoice = form.State();
    Press(Qt::Key_Down);
    EXPECT_TRUE(form.State() == beforeChoice) << "moving through the list chooses nothing";
    Press(Qt::Key_Return);
    EXPECT_EQ(Model().Feld.TextMatrix(1, 3), candidates.substr(0, 1));
    EXPECT_EQ(Model().CellState(1, 3), kTrial);
    EXPECT_EQ(Model().Feld.Look(1, 3).back, Colour::Red);
    EXPECT_GT(Model().SolvedCount, beforeChoice.board.SolvedCount);

    TabTo("TestOK");
    Press(Qt::Key_Space);
    EXPECT_EQ(Model().CellState(1, 3), kPlaced);
    EXPECT_EQ(Model().Feld.Look(1, 3).back, Colour::Green);
    EXPECT_TRUE(Model().TestMode) << "accepting does not end trial mode";
    ExpectShowsForm(window, form.State());
}

TEST_F(Keyboard, FocusComesBackToTheGridFromTheListAndShowsTheStylesFrame)
{
    Do("click Check1");
    Do("load easy.txt");
    Feld()->setFocus(); // the clicks took it
    ArrowTo(1, 3);
    ASSERT_TRUE(form.State().wahl.visible);
    EXPECT_EQ(Framed(), "Feld");

    Press(Qt::Key_Return);
    ASSERT_EQ(Focused(), "wahl");
    EXPECT_EQ(Framed(), "wahl");
    Press(Qt::Key_Escape);
    EXPECT_EQ(Focused(), "Feld") << "Escape leaves the list";
    EXPECT_TRUE(form.State().wahl.visible) << "and leaves it shown";

    // The empty entry closes the list; the focus goes back where it came from, not on to the next control.
    Press(Qt::Key_Return);
    ASSERT_EQ(Focused(), "wahl");
    const std::string candidates = Model().Feld.TextMatrix(1, 3);
    Press(Qt::Key_Return);
    EXPECT_FALSE(form.State().wahl.visible);
    EXPECT_EQ(Focused(), "Feld");
    EXPECT_EQ(Model().CellState(1, 3), kOpen);
    EXPECT_EQ(Model().Feld.TextMatrix(1, 3), candidates);

    // With the list hidden, Enter in the grid leaves the focus there.
    Press(Qt::Key_Return);
    EXPECT_EQ(Focused(), "Feld");

    // The box grid shows its focus the same way; a button shows it itself.
    Press(Qt::Key_Tab);
    EXPECT_EQ(Framed(), "Gruppe");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Framed(), "");
}

} // namespace
} // namespace zifora::test
