// SPDX-License-Identifier: MIT
// What a screen reader learns of the window, read the way it reads it: through Qt's accessibility interfaces.
#include "window_fixture.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QPushButton>
#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace zifora::test {
namespace {

class Accessibility : public WindowTest {
protected:
    QAccessibleInterface* Interface(const char* name) const
    {
        QAccessibleInterface* control = QAccessible::queryAccessibleInterface(Control<QWidget>(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    QString Name(const char* name) const { return Interface(name)->text(QAccessible::Name); }

    // Every cell of the grid reads as the text the model holds for it.
    void ExpectCellsRead(const char* name, const Grid& grid) const
    {
        QAccessibleTableInterface* table = Interface(name)->tableInterface();
        ASSERT_NE(table, nullptr) << name;
        ASSERT_EQ(table->rowCount(), grid.Rows());
        ASSERT_EQ(table->columnCount(), grid.Cols());
        for (int row = 0; row < grid.Rows(); ++row) {
            for (int column = 0; column < grid.Cols(); ++column) {
                QAccessibleInterface* cell = table->cellAt(row, column);
                ASSERT_NE(cell, nullptr) << name << " " << row << "," << column;
                EXPECT_EQ(cell->text(QAccessible::Name), QString::fromStdString(grid.TextMatrix(row, column)))
                    << name << " " << row << "," << column;
            }
        }
    }
};

QAccessible::Role RoleOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
        return QAccessible::Button;
    case ControlKind::CheckBox:
        return QAccessible::CheckBox;
    case ControlKind::TextLine:
    case ControlKind::TextArea:
        return QAccessible::EditableText;
    case ControlKind::Label:
    case ControlKind::Caption:
        return QAccessible::StaticText;
    case ControlKind::Grid:
    case ControlKind::EntryGrid:
        return QAccessible::Table;
    case ControlKind::List:
        return QAccessible::List;
    }
    return QAccessible::NoRole;
}

std::vector<std::string> NamesOf(std::initializer_list<ControlKind> kinds)
{
    std::vector<std::string> names;
    for (const Control& control : kControls) {
        if (std::find(kinds.begin(), kinds.end(), control.kind) != kinds.end()) {
            names.emplace_back(control.name);
        }
    }
    return names;
}

TEST_F(Accessibility, EveryControlHasItsOwnNameAndADescription)
{
    std::set<QString> names;
    for (const zifora::Control& row : kControls) {
        const std::string control(row.name);
        SCOPED_TRACE(control);
        QAccessibleInterface* accessible = Interface(control.c_str());
        EXPECT_EQ(accessible->role(), RoleOf(row.kind));
        const QString name = accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        // The design names ("Check1", "D2er") and the check box's cut-off caption mean nothing to a listener.
        EXPECT_NE(name, QString::fromStdString(control));
        EXPECT_FALSE(name.contains(QStringLiteral("Check1")));
        EXPECT_GT(accessible->text(QAccessible::Description).size(), name.size());
        EXPECT_TRUE(names.insert(name).second) << "a second control is called " << name.toStdString();
    }
}

TEST_F(Accessibility, ButtonsAreNamedByTheirCaptionAndExplainTheirStepInOneSentence)
{
    for (const std::string& button : NamesOf({ControlKind::Button})) {
        SCOPED_TRACE(button);
        const QString caption = Control<QPushButton>(button.c_str())->text();
        const QString name = Name(button.c_str());
        EXPECT_TRUE(name.startsWith(caption + QStringLiteral(": "))) << name.toStdString();
        EXPECT_GT(name.size(), caption.size() + 6) << "the name says what the step does";
    }
    for (const std::string& control : NamesOf({ControlKind::Button, ControlKind::CheckBox})) {
        SCOPED_TRACE(control);
        const QString tooltip = Control<QWidget>(control.c_str())->toolTip();
        EXPECT_EQ(tooltip, Interface(control.c_str())->text(QAccessible::Description));
        EXPECT_TRUE(tooltip.endsWith(QLatin1Char('.')));
        EXPECT_EQ(tooltip.count(QLatin1Char('.')), 1) << tooltip.toStdString();
    }
}

TEST_F(Accessibility, CountLabelReadsAsTheCountOfPlacedCells)
{
    EXPECT_EQ(Name("Label2"), QStringLiteral("Gesetzte Zellen: 0"));
    Do("load easy.txt");
    const QString caption = QString::fromStdString(form.State().board.Label2.caption);
    ASSERT_NE(caption, QStringLiteral("0"));
    EXPECT_EQ(Name("Label2"), QStringLiteral("Gesetzte Zellen: ") + caption);
}

TEST_F(Accessibility, CheckBoxIsLabelledByLabel1AndReportsItsState)
{
    QAccessibleInterface* check1 = Interface("Check1");
    EXPECT_FALSE(check1->state().checked);
    Do("click Check1");
    EXPECT_TRUE(check1->state().checked);
    bool labelled = false;
    for (const auto& [other, relation] : check1->relations(QAccessible::Label)) {
        labelled = labelled || other->object() == Control<QWidget>("Label1");
    }
    EXPECT_TRUE(labelled);
}

TEST_F(Accessibility, GridsReadAsTheirCellsTexts)
{
    Do("load easy.txt");
    Do("click Einzelne");
    ExpectCellsRead("Feld", form.State().board.Feld);
    ExpectCellsRead("Gruppe", form.State().board.Gruppe);
}

TEST_F(Accessibility, ListReadsAsItsEntries)
{
    Do("click Check1");
    Do("load easy.txt");
    Do("cell 1 3");
    const ListBox& wahl = form.State().wahl;
    ASSERT_TRUE(wahl.visible);
    QAccessibleInterface* list = Interface("wahl");
    EXPECT_FALSE(list->state().invisible);
    ASSERT_EQ(list->childCount(), static_cast<int>(wahl.items.size()));
    for (int entry = 0; entry < list->childCount(); ++entry) {
        EXPECT_EQ(list->child(entry)->text(QAccessible::Name),
            QString::fromStdString(wahl.items[static_cast<std::size_t>(entry)]))
            << "entry " << entry;
    }
    Do("entry 0");
    EXPECT_TRUE(list->state().invisible) << "a closed list is not read out";
}

} // namespace
} // namespace zifora::test
