// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "qt/pixels.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace zifora::test {
namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// 15 twips to the pixel; a control's edges are rounded to the nearest pixel.
QRect PixelsOf(const TwipRect& twips)
{
    const auto pixel = [](int value) { return static_cast<int>(std::lround(value / 15.0)); };
    const int left = pixel(twips.left);
    const int top = pixel(twips.top);
    return {left, top, pixel(twips.left + twips.width) - left, pixel(twips.top + twips.height) - top};
}

// Default is the control's own colour for the role.
QColor Shown(Colour colour, QPalette::ColorRole ownRole)
{
    static const std::map<Colour, QColor> fixed {{Colour::Green, {0, 255, 0}}, {Colour::Red, {255, 0, 0}},
        {Colour::Yellow, {255, 255, 0}}, {Colour::Cyan, {0, 255, 255}}, {Colour::Magenta, {255, 0, 255}},
        {Colour::White, {255, 255, 255}}};
    if (const auto found = fixed.find(colour); found != fixed.end()) {
        return found->second;
    }
    return QApplication::palette().color(colour == Colour::Window ? QPalette::Window : ownRole);
}

// A cell left to the grid's own alignment shows a number on the right and any other text on the left.
int Shown(Alignment align, const std::string& text)
{
    const bool number
        = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const Qt::Alignment horizontal = align == Alignment::Center ? Qt::AlignHCenter
        : align == Alignment::Right || number                   ? Qt::AlignRight
                                                                : Qt::AlignLeft;
    return static_cast<int>(horizontal | Qt::AlignVCenter);
}

void ExpectGridShows(QTableWidget& view, const Grid& grid)
{
    ASSERT_EQ(view.rowCount(), grid.Rows());
    ASSERT_EQ(view.columnCount(), grid.Cols());
    const QImage picture = view.grab().toImage();
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < grid.Cols(); ++column) {
            SCOPED_TRACE(
                testing::Message() << view.objectName().toStdString() << " " << row << "," << column);
            const QTableWidgetItem* cell = view.item(row, column);
            const bool fixed = row < grid.FixedRows() || column < grid.FixedCols();
            const CellLook& look = grid.Look(row, column);
            const Colour back = look.back != Colour::Default ? look.back
                : fixed                                      ? grid.BackColorFixed()
                                                             : grid.BackColor();
            const Alignment align = look.align != Alignment::Default ? look.align
                : fixed                                              ? grid.FixedAlignment()
                                                                     : grid.ColAlignment();
            EXPECT_EQ(cell->text(), Text(grid.TextMatrix(row, column)));
            EXPECT_EQ(cell->background().color(), Shown(back, QPalette::Base));
            // A pixel inside any frame of the current cell and clear of the text.
            EXPECT_EQ(picture.pixelColor(view.visualItemRect(cell).topLeft() + QPoint(3, 3)),
                Shown(back, QPalette::Base));
            EXPECT_EQ(cell->font().bold(), look.weight == Weight::Bold);
            EXPECT_EQ(cell->textAlignment(), Shown(align, grid.TextMatrix(row, column)));
            EXPECT_EQ(cell->flags(), fixed ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
    }
}

void ExpectButtonsShow(const MainWindow& window, const FormState& state)
{
    for (const Control& control : kControls) {
        const auto* member = std::get_if<Button FormState::*>(&control.state);
        if (member == nullptr) {
            continue;
        }
        const std::string name(control.name);
        const Button& button = state.**member;
        const auto* widget = window.findChild<QPushButton*>(QString::fromStdString(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->text(), Text(button.caption)) << name;
        EXPECT_EQ(widget->isEnabled(), state.Enabled(button)) << name;
    }
}

void ExpectTextsShow(const MainWindow& window, const FormState& state)
{
    // The report's lines end in a carriage return and a line feed; the box shows plain line breaks.
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("Text1")->toPlainText(),
        Text(state.Text1.text).replace("\r\n", "\n"));
    const auto* text2 = window.findChild<QLineEdit*>("Text2");
    EXPECT_EQ(text2->text(), Text(state.Text2.text));
    EXPECT_EQ(text2->toolTip(), Text(state.Text2.text)) << "the whole path, of which the box shows the end";
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->text(), Text(state.Label1.caption));
    const auto* check1 = window.findChild<QCheckBox*>("Check1");
    EXPECT_EQ(check1->text(), Text(state.Check1.caption));
    EXPECT_EQ(check1->isChecked(), state.Checked(state.Check1));
    auto* label2 = window.findChild<QLabel*>("Label2");
    const Label& model = state.board.Label2;
    EXPECT_EQ(label2->text(), Text(model.caption));
    EXPECT_EQ(label2->accessibleName(), "Gesetzte Zellen: " + Text(model.caption))
        << "a count alone says nothing";
    EXPECT_EQ(label2->autoFillBackground(), model.back != Colour::Default);
    if (model.back != Colour::Default) {
        EXPECT_EQ(label2->grab().toImage().pixelColor(1, 1), Shown(model.back, QPalette::Window));
    }
}

void ExpectListShows(const MainWindow& window, const ListBox& wahl)
{
    const auto* list = window.findChild<QListWidget*>("wahl");
    EXPECT_EQ(list->isVisible(), wahl.visible);
    EXPECT_EQ(list->geometry(), KeptInside(PixelsOf(wahl.bounds), window.size()));
    ASSERT_EQ(list->count(), static_cast<int>(wahl.items.size()));
    for (int entry = 0; entry < list->count(); ++entry) {
        EXPECT_EQ(list->item(entry)->text(), Text(wahl.items[static_cast<std::size_t>(entry)]));
        EXPECT_LT(list->visualItemRect(list->item(entry)).bottom(), list->viewport()->height())
            << "entry cut off";
    }
}

} // namespace

void WhenShown(const std::function<void(QFileDialog&)>& answer)
{
    WhenModal<QFileDialog>(answer);
}

void WhenAsked(const std::function<void(QInputDialog&)>& answer)
{
    WhenModal<QInputDialog>(answer);
}

std::string GuiTestFile(const std::string& name)
{
    return std::string(ZIFORA_GUI_TEST_DIR) + "/" + name;
}

WindowTest::WindowTest()
{
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
}

void WindowTest::Do(const std::string& action)
{
    static const std::map<std::string, Qt::Key> keys {{"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
        {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"Return", Qt::Key_Return}, {"Space", Qt::Key_Space}};
    std::istringstream words(action);
    std::string verb, name;
    words >> verb;
    auto* wahl = Control<QListWidget>("wahl");
    if (verb == "click" && words >> name) {
        QTest::mouseClick(Control<QWidget>(name.c_str()), Qt::LeftButton);
    } else if (int row = 0, column = 0; verb == "cell" && words >> row >> column) {
        QTest::mouseClick(Feld()->viewport(), Qt::LeftButton, {},
            Feld()->visualItemRect(Feld()->item(row, column)).center());
    } else if (int entry = 0; verb == "entry" && words >> entry) {
        QTest::mouseClick(
            wahl->viewport(), Qt::LeftButton, {}, wahl->visualItemRect(wahl->item(entry)).center());
    } else if (verb == "select" && words >> entry) {
        wahl->setCurrentRow(entry);
    } else if (std::string key; verb == "key" && words >> name >> key && keys.count(key) == 1) {
        QTest::keyClick(Control<QWidget>(name.c_str()), keys.at(key));
    } else if (verb == "load" && words >> name) {
        chooser.SetAnswer(GuiTestFile(name));
        QTest::mouseClick(Control<QWidget>("Los"), Qt::LeftButton);
    } else {
        ADD_FAILURE() << "not an action: " << action;
    }
}

QPoint WindowTest::CellCorner(int row, int column) const
{
    return Feld()->visualItemRect(Feld()->item(row, column)).topLeft();
}

void ExpectShowsForm(const MainWindow& window, const FormState& state)
{
    ExpectButtonsShow(window, state);
    ExpectTextsShow(window, state);
    ExpectListShows(window, state.wahl);
    auto* feld = window.findChild<QTableWidget*>("Feld");
    ExpectGridShows(*feld, state.board.Feld);
    EXPECT_EQ(feld->currentRow(), state.board.Feld.Row());
    EXPECT_EQ(feld->currentColumn(), state.board.Feld.Col());
    ExpectGridShows(*window.findChild<QTableWidget*>("Gruppe"), state.board.Gruppe);
}

} // namespace zifora::test
