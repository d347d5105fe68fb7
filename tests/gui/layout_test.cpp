// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zifora::test {
namespace {

using WindowLayout = WindowTest;

TEST_F(WindowLayout, StartsWithTheStartUpForm)
{
    EXPECT_EQ(window.windowTitle(), "Zifora");
    EXPECT_EQ(Control<QLabel>("Label2")->text(), "0");
    EXPECT_EQ(Control<QLineEdit>("Text2")->text(), "");
    EXPECT_EQ(Control<QPlainTextEdit>("Text1")->toPlainText(), "Text1");
    EXPECT_FALSE(Control<QPushButton>("Reset")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>("TestOK")->isEnabled());
    EXPECT_FALSE(Control<QListWidget>("wahl")->isVisible());
    EXPECT_EQ(Feld()->item(0, 4)->background().color(), QColor(0, 255, 0));
    EXPECT_EQ(Feld()->font().pointSizeF(), 8.25);
    ExpectShowsForm(window, form.State());
}

TEST_F(WindowLayout, PlacesEveryControlAtItsPixelGeometry)
{
    EXPECT_EQ(window.size(), QSize(660, 272));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window keeps its size";
    const std::pair<const char*, QRect> controls[] = {{"Los", {8, 8, 41, 17}}, {"Text2", {56, 8, 121, 19}},
        {"Label2", {184, 8, 25, 17}}, {"Testen", {216, 8, 41, 17}}, {"Text1", {272, 0, 169, 25}},
        {"wahl", {288, 0, 17, 56}}, {"Label1", {464, 0, 41, 33}}, {"Check1", {512, 8, 17, 17}},
        {"Reset", {536, 8, 49, 17}}, {"TestOK", {592, 8, 65, 17}}, {"Zellen", {8, 32, 57, 17}},
        {"Einzelne", {8, 56, 57, 17}}, {"D2er", {8, 80, 57, 17}}, {"Gruppe", {72, 32, 581, 65}},
        {"Feld", {8, 96, 645, 165}}, {"Line2", {263, 0, 3, 272}}, {"Line1", {455, 0, 3, 272}},
        {"Line3", {0, 159, 664, 3}}, {"Line4", {0, 207, 664, 3}}};
    for (const auto& [name, pixels] : controls) {
        EXPECT_EQ(Control<QWidget>(name)->geometry(), pixels) << name;
    }
    // Label1 names the check box, its caption wrapped onto two lines within the label.
    auto* label1 = Control<QLabel>("Label1");
    const QRect wrapped
        = label1->fontMetrics().boundingRect(label1->rect(), Qt::TextWordWrap, label1->text());
    EXPECT_TRUE(label1->rect().contains(wrapped)) << "a face wider than Arial's cuts the caption off";
}

TEST_F(WindowLayout, CellsFillTheGridsAndTheSeparatorsLieOnTheBoxBorders)
{
    auto* gruppe = Control<QTableWidget>("Gruppe");
    const auto corner = [this](QTableWidget* grid, int row, int column) {
        return grid->viewport()->mapTo(&window, grid->visualItemRect(grid->item(row, column)).topLeft());
    };
    EXPECT_FALSE(Feld()->horizontalHeader()->isVisible()) << "the header row is a row of cells";
    EXPECT_EQ(corner(Feld(), 1, 1), QPoint(72, 112)) << "board cells start at 1080, 1680 twips";
    EXPECT_EQ(corner(Feld(), 9, 9), QPoint(584, 240)) << "every cell 64 by 16, nothing scrolled";
    EXPECT_EQ(corner(gruppe, 2, 2), QPoint(72 + 2 * 192, 32 + 2 * 20));
    // Each separator's middle pixel is the first of the box after it, in both grids.
    EXPECT_EQ(Control<QWidget>("Line2")->geometry().center().x(), corner(Feld(), 1, 4).x());
    EXPECT_EQ(Control<QWidget>("Line2")->geometry().center().x(), corner(gruppe, 0, 1).x());
    EXPECT_EQ(Control<QWidget>("Line1")->geometry().center().x(), corner(Feld(), 1, 7).x());
    EXPECT_EQ(Control<QWidget>("Line1")->geometry().center().x(), corner(gruppe, 0, 2).x());
    EXPECT_EQ(Control<QWidget>("Line3")->geometry().center().y(), corner(Feld(), 4, 1).y());
    EXPECT_EQ(Control<QWidget>("Line4")->geometry().center().y(), corner(Feld(), 7, 1).y());
    const QImage picture = window.grab().toImage();
    const QColor line = window.palette().color(QPalette::WindowText);
    EXPECT_EQ(picture.pixelColor(264, 100), line) << "drawn over the header row";
    EXPECT_EQ(picture.pixelColor(456, 50), line) << "drawn over Gruppe";
}

TEST_F(WindowLayout, FollowsTheTabOrderOfTheTable)
{
    const QStringList expected = {"Feld", "Gruppe", "Zellen", "Testen", "Text1", "Text2", "Los", "Check1",
        "wahl", "Reset", "TestOK", "Einzelne", "D2er"};
    QStringList order;
    QWidget* widget = Feld();
    do {
        if (expected.contains(widget->objectName()) && !order.contains(widget->objectName())) {
            order.append(widget->objectName());
        }
        widget = widget->nextInFocusChain();
    } while (widget != Feld());
    EXPECT_EQ(order, expected);
    EXPECT_EQ(window.focusWidget(), Feld()) << "the first of the tab order has the focus";
}

} // namespace
} // namespace zifora::test
