// SPDX-License-Identifier: MIT
// What the window shows before any event and what a screen reader reads of it: each control's place, its
// name, description and tooltip, the tab order, and the look of the board's header and body, at start-up
// and after a load. The expected text is window_description.txt; a failure prints the whole text shown.
#include "window_fixture.h"

#include <QApplication>
#include <fstream>
#include <sstream>

namespace zifora::test {
namespace {

using WindowDescription = WindowTest;

std::string Quoted(const QString& text)
{
    return '"' + text.toStdString() + '"';
}

std::string Look(const QTableWidgetItem& cell)
{
    std::ostringstream look;
    look << cell.background().color().name().toStdString() << " align " << std::hex
         << static_cast<int>(cell.textAlignment()) << (cell.font().bold() ? " bold" : "");
    return look.str();
}

std::string BoardLooks(QTableWidget& feld)
{
    return "Feld header " + Look(*feld.item(0, 1)) + ", corner " + Look(*feld.item(0, 0)) + ", body "
        + Look(*feld.item(1, 1)) + '\n';
}

TEST_F(WindowDescription, MatchesTheDescriptionWrittenDown)
{
    std::ostringstream shown;
    for (const zifora::Control& control : kControls) {
        const QWidget* widget = Control<QWidget>(std::string(control.name).c_str());
        const QRect place = widget->geometry();
        shown << control.name << " at " << place.x() << "," << place.y() << " size " << place.width() << "x"
              << place.height() << (widget->isVisible() ? "" : " hidden")
              << (widget->property("readOnly").toBool() ? " read-only" : "") << " name "
              << Quoted(widget->accessibleName()) << " tooltip " << Quoted(widget->toolTip()) << '\n'
              << "  " << Quoted(widget->accessibleDescription()) << '\n';
    }
    shown << "tab order:";
    QWidget* next = Feld();
    do {
        if (!next->objectName().isEmpty() && (next->focusPolicy() & Qt::TabFocus) != 0 && next->isEnabled()
            && next->isVisible()) {
            shown << ' ' << next->objectName().toStdString();
        }
        next = next->nextInFocusChain();
    } while (next != Feld());
    shown << '\n' << BoardLooks(*Feld());
    Do("load easy.txt");
    shown << "after a load: " << BoardLooks(*Feld());

    std::ifstream file(GuiTestFile("window_description.txt"), std::ios::binary);
    std::ostringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(shown.str(), expected.str()) << "shown:\n" << shown.str();
}

} // namespace
} // namespace zifora::test
