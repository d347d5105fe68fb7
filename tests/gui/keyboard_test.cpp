// SPDX-License-Identifier: MIT
// The window from the keyboard alone: Tab through the controls, arrows in the grid, Space on the buttons and
// the check box, Enter into and on the list, Escape out of it.
#include "window_fixture.h"

#include <QApplication>
#include <QFocusFrame>
#include <QListWidget>
#include <QTest>
#include <cstdint>

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

// The focus frame, then a whole trial from the keyboard: Space on the buttons and the check box, arrows
// in the grid, Enter into and on the list, Escape out of it.
TEST_F(Keyboard, WholeTrialStoryWithKeysOnly)
{
    ASSERT_EQ(Focused(), "Feld") << "the grid has the focus at start-up";
    // The grids show the style's focus frame; a button shows its focus itself.
    EXPECT_EQ(Framed(), "Feld");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Framed(), "Gruppe");
    Press(Qt::Key_Tab);
    EXPECT_EQ(Framed(), "");
    TabTo("Text1");
    EXPECT_EQ(Framed(), "Text1") << "the report box shows no focus of its own";

    chooser.SetAnswer(GuiTestFile("easy.txt"));
    TabTo("Los");
    Press(Qt::Key_Space);
    ASSERT_EQ(Model().FileName, *chooser.Answer());
    TabTo("Check1");
    Press(Qt::Key_Space);
    ASSERT_TRUE(Model().TestMode);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), "Reset") << "trial mode enables it";

    TabTo("Feld");
    ArrowTo(1, 3);
    const std::string candidates = Model().Feld.TextMatrix(1, 3);
    ASSERT_GE(candidates.size(), 2U);
    ASSERT_TRUE(form.State().wahl.visible) << "entering an open cell shows the list";
    EXPECT_EQ(Framed(), "Feld");
    Press(Qt::Key_Return);
    ASSERT_EQ(Focused(), "wahl") << "Enter in the grid takes the focus into the list";
    EXPECT_EQ(Framed(), "wahl");
    // The empty entry closes the list; the focus goes back where it came from, not on to the next control.
    Press(Qt::Key_Return);
    EXPECT_FALSE(form.State().wahl.visible);
    EXPECT_EQ(Focused(), "Feld");
    ArrowTo(1, 3);
    Press(Qt::Key_Return);
    const FormState beforeChoice = form.State();
    Press(Qt::Key_Down);
    EXPECT_TRUE(form.State() == beforeChoice) << "moving through the list chooses nothing";
    Press(Qt::Key_Return);
    EXPECT_EQ(Model().Feld.TextMatrix(1, 3), candidates.substr(0, 1));
    EXPECT_EQ(Model().CellState(1, 3), kTrial);
    TabTo("TestOK");
    Press(Qt::Key_Space);
    EXPECT_EQ(Model().CellState(1, 3), kPlaced);
    EXPECT_EQ(Model().Feld.Look(1, 3).back, Colour::Green);
    ExpectShowsForm(window, form.State());
}

// After a choice the bookkeeping moves the current cell on, and the list stays over the chosen cell: Enter on
// the board then shows the current cell's list, as the form's key does, and never enters the old one; a zoom
// key that changes nothing leaves the list where it is.
TEST_F(Keyboard, EnterAfterAChoiceShowsTheCurrentCellsListAndAZoomThatChangesNothingKeepsIt)
{
    Do("load easy.txt");
    Do("click Check1");
    TabTo("Feld");
    ArrowTo(1, 3);
    Press(Qt::Key_Return); // into the list
    Press(Qt::Key_Down);
    Press(Qt::Key_Return); // the first digit chosen
    TabTo("Feld");
    ASSERT_TRUE(form.State().wahl.visible);
    ASSERT_FALSE(form.ListOfCurrentCell()) << "the story needs the list left over another cell";
    Form1 expected = form;
    expected.Feld_KeyPress('\r');
    Press(Qt::Key_Return);
    EXPECT_EQ(Focused(), "Feld");
    EXPECT_TRUE(form.State() == expected.State());
    const QRect list = Control<QWidget>("wahl")->geometry();
    QTest::keyClick(Feld(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(Control<QWidget>("wahl")->geometry(), list);
    ExpectShowsForm(window, form.State());
}

// Enter, Space, Escape and a digit on every kind of control, with the list shown over an open cell of a
// loaded board in trial mode. A button or the check box does as a click does; Escape hides the list and
// takes the focus back to the board; on the board a digit chooses from the list and never moves the cell.
enum class Effect : std::uint8_t { Click, Nothing, Escape, IntoList, Choose, OnFeld };

struct KeyRow {
    const char* control;
    Qt::Key key;
    Effect effect;
};

const KeyRow kKeyRows[] = {
    {"Zellen", Qt::Key_Return, Effect::Click},
    {"Einzelne", Qt::Key_Enter, Effect::Click},
    {"Testen", Qt::Key_Space, Effect::Click},
    {"TestOK", Qt::Key_Return, Effect::Click},
    {"Los", Qt::Key_Return, Effect::Click},
    {"Check1", Qt::Key_Return, Effect::Click},
    {"Reset", Qt::Key_Escape, Effect::Escape},
    {"Check1", Qt::Key_Escape, Effect::Escape},
    {"Text1", Qt::Key_Return, Effect::Nothing},
    {"Text1", Qt::Key_Escape, Effect::Escape},
    {"Text2", Qt::Key_Space, Effect::Nothing},
    {"Gruppe", Qt::Key_Return, Effect::Nothing},
    {"Gruppe", Qt::Key_4, Effect::Nothing},
    {"Feld", Qt::Key_Return, Effect::IntoList},
    {"Feld", Qt::Key_Space, Effect::OnFeld},
    {"Feld", Qt::Key_Escape, Effect::Escape},
    {"Feld", Qt::Key_1, Effect::OnFeld},
    {"Feld", Qt::Key_6, Effect::OnFeld},
    {"wahl", Qt::Key_Return, Effect::Choose},
    {"wahl", Qt::Key_Space, Effect::Choose},
    {"wahl", Qt::Key_Escape, Effect::Escape},
};

void PrintTo(const KeyRow& row, std::ostream* out)
{
    *out << row.control << " " << QKeySequence(row.key).toString().toStdString();
}

class KeyOnControl : public Keyboard, public testing::WithParamInterface<KeyRow> { };

// What the form holds after the key, had the key done what the row says: the form's own handlers run on a
// copy.
Form1 Expected(Form1 form, const KeyRow& row, AnswerChooser& chooser)
{
    const Control& control = *FindControl(row.control);
    if (row.effect == Effect::Click) {
        if (const auto* handler = std::get_if<FileHandler>(&control.handler)) {
            (form.**handler)(chooser);
        } else {
            (form.*std::get<ClickHandler>(control.handler))();
        }
    } else if (row.effect == Effect::Escape) {
        form.Form_Escape();
    } else if (row.effect == Effect::OnFeld) {
        form.Feld_KeyPress(row.key == Qt::Key_Space ? ' ' : static_cast<char>(row.key));
    }
    return form;
}

TEST_P(KeyOnControl, DoesWhatTheRowSays)
{
    const KeyRow& row = GetParam();
    chooser.SetAnswer(GuiTestFile("easy.txt"));
    for (const char* action : {"load easy.txt", "click Check1", "cell 1 3", "select 2"}) {
        Do(action);
    }
    ASSERT_TRUE(form.State().wahl.visible);
    Control<QWidget>(row.control)->setFocus();
    const Form1 before = form;
    const int chosen = Control<QListWidget>("wahl")->currentRow();
    Press(row.key);
    Form1 expected = Expected(before, row, chooser);
    if (row.effect == Effect::Choose) {
        expected.wahl_Click(chosen);
    }
    EXPECT_EQ(form.State(), expected.State());
    const std::string focus = row.effect == Effect::Escape ? "Feld"
        : row.effect == Effect::IntoList                   ? "wahl"
                                                           : row.control;
    EXPECT_EQ(Focused(), focus);
    ExpectShowsForm(window, form.State());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyOnControl, testing::ValuesIn(kKeyRows), [](const testing::TestParamInfo<KeyRow>& row) {
        return std::string(row.param.control) + "_" + QKeySequence(row.param.key).toString().toStdString()
            + "_" + std::to_string(row.index);
    });

} // namespace
} // namespace zifora::test
