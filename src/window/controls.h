// SPDX-License-Identifier: MIT
// The one table of the window's controls. The window creates, lays out, orders, describes, connects and
// renders its controls from it; the replay tool, the benchmarks and the tests find them in it.
#pragma once

#include "board/layout.h"
#include "window/form.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <variant>

namespace zifora {

// The widget a control is: Caption is a label that names the control beside it, EntryGrid the grid whose
// current cell the user moves, TextArea the multi-line text box with its vertical scroll bar.
enum class ControlKind : std::uint8_t {
    Button,
    CheckBox,
    TextLine,
    TextArea,
    Label,
    Caption,
    Grid,
    EntryGrid,
    List
};

enum class Tooltip : std::uint8_t { None, Description };

// Where a control's state lives in the form's state.
using ControlState = std::variant<Button FormState::*, CheckBox FormState::*, TextBox FormState::*,
    Label FormState::*, ListBox FormState::*, Label Board::*, Grid Board::*>;

// The form's handler for the control's event: a click, a click that asks for a file, a cell entered, an entry
// of a list chosen.
using ClickHandler = void (Form1::*)();
using FileHandler = void (Form1::*)(FileChooser&);
using CellHandler = void (Form1::*)(int, int);
using EntryHandler = void (Form1::*)(int);
using ControlHandler = std::variant<std::monostate, ClickHandler, FileHandler, CellHandler, EntryHandler>;

struct Control {
    std::string_view name; // the window's own name for it, and its widget's object name
    ControlKind kind;
    TwipRect bounds;
    int tabIndex; // labels have one too, though they never take the focus
    ControlState state;
    ControlHandler handler {};
    // Starts with the control's caption, so that what a screen reader says matches what a sighted user sees.
    // A Label's caption changes: its name is this followed by the caption, since a count alone says nothing.
    std::string_view accessibleName;
    std::string_view description;
    Tooltip tooltip = Tooltip::None;
    std::string_view labels {}; // a Caption's: the control it names, whose own caption the layout cuts off
};

// In the window's creation and render order, which is also the order in which the controls stack. The list
// wahl comes last: it floats over the rest, separator lines included, and is rendered after the buttons whose
// enabled states decide where the focus goes when it hides.
// clang-format off
inline constexpr Control kControls[] = {
    {.name = "Los", .kind = ControlKind::Button, .bounds = {120, 120, 615, 255}, .tabIndex = 6,
        .state = &FormState::Los, .handler = &Form1::Los_Click,
        .accessibleName = "Datei: Rätsel laden",
        .description = "Öffnet eine Rätseldatei und zeigt ihre Ziffern und die möglichen Ziffern jeder "
            "offenen Zelle. Strg+Z nimmt das Laden zurück.",
        .tooltip = Tooltip::Description},
    {.name = "Text2", .kind = ControlKind::TextLine, .bounds = {840, 120, 1815, 285}, .tabIndex = 5,
        .state = &FormState::Text2,
        .accessibleName = "Rätseldatei",
        .description = "Der Pfad der zuletzt geöffneten Rätseldatei."},
    {.name = "Label2", .kind = ControlKind::Label, .bounds = {2760, 120, 375, 255}, .tabIndex = 8,
        .state = &Board::Label2,
        .accessibleName = "Gesetzte Zellen: ",
        .description = "Die Zahl der gesetzten Zellen, „OK“ wenn alle 81 gesetzt sind."},
    {.name = "Testen", .kind = ControlKind::Button, .bounds = {3240, 120, 615, 255}, .tabIndex = 3,
        .state = &FormState::Testen, .handler = &Form1::Testen_Click,
        .accessibleName = "Test: Rätsel prüfen",
        .description = "Listet die leeren Zellen und die Zeilen, Spalten und Blöcke, in denen eine Ziffer "
            "doppelt steht. Strg+Z nimmt den Bericht zurück.",
        .tooltip = Tooltip::Description},
    {.name = "Text1", .kind = ControlKind::TextArea, .bounds = {4080, 0, 2535, 375}, .tabIndex = 4,
        .state = &FormState::Text1,
        .accessibleName = "Prüfbericht",
        .description = "Das Ergebnis von „Test“: leere Zellen und Zeilen, Spalten oder Blöcke mit doppelter "
            "Ziffer, sonst „Keine Fehler!“."},
    {.name = "Label1", .kind = ControlKind::Caption, .bounds = {6960, 0, 615, 495}, .tabIndex = 14,
        .state = &FormState::Label1,
        .accessibleName = "Test Betrieb:",
        .description = "Beschriftet das Kästchen für den Testbetrieb rechts daneben.",
        .labels = "Check1"},
    {.name = "Check1", .kind = ControlKind::CheckBox, .bounds = {7680, 120, 255, 255}, .tabIndex = 7,
        .state = &FormState::Check1, .handler = &Form1::Check1_Click,
        .accessibleName = "Testbetrieb",
        .description = "Schaltet den Testbetrieb ein oder aus, in dem Sie Ziffern versuchsweise aus der "
            "Liste einer Zelle setzen. Strg+Z nimmt das Umschalten zurück.",
        .tooltip = Tooltip::Description},
    {.name = "Reset", .kind = ControlKind::Button, .bounds = {8040, 120, 735, 255}, .tabIndex = 10,
        .state = &FormState::Reset, .handler = &Form1::Reset_Click,
        .accessibleName = "Reset: Versuche verwerfen",
        .description = "Verwirft die im Testbetrieb gesetzten Ziffern und berechnet die möglichen Ziffern "
            "aller offenen Zellen neu. Strg+Z holt sie zurück.",
        .tooltip = Tooltip::Description},
    {.name = "TestOK", .kind = ControlKind::Button, .bounds = {8880, 120, 975, 255}, .tabIndex = 11,
        .state = &FormState::TestOK, .handler = &Form1::TestOK_Click,
        .accessibleName = "Ubernahme: Versuche übernehmen",
        .description = "Übernimmt die im Testbetrieb gesetzten Ziffern endgültig. Strg+Z nimmt die Übernahme "
            "zurück.",
        .tooltip = Tooltip::Description},
    {.name = "Zellen", .kind = ControlKind::Button, .bounds = {120, 480, 855, 255}, .tabIndex = 2,
        .state = &FormState::Zellen, .handler = &Form1::Zellen_Click,
        .accessibleName = "Zellen: mögliche Ziffern neu berechnen",
        .description = "Berechnet die möglichen Ziffern jeder offenen Zelle neu und setzt die Zellen, denen "
            "nur eine bleibt. Strg+Z nimmt den Schritt zurück.",
        .tooltip = Tooltip::Description},
    {.name = "Einzelne", .kind = ControlKind::Button, .bounds = {120, 840, 855, 255}, .tabIndex = 12,
        .state = &FormState::Einzelne, .handler = &Form1::Einzelne_Click,
        .accessibleName = "Einzeln: einzige Stellen setzen",
        .description = "Setzt die Ziffern, die in einer Zeile, Spalte oder einem Block nur in eine Zelle "
            "passen. Strg+Z nimmt den Schritt zurück.",
        .tooltip = Tooltip::Description},
    {.name = "D2er", .kind = ControlKind::Button, .bounds = {120, 1200, 855, 255}, .tabIndex = 13,
        .state = &FormState::D2er, .handler = &Form1::D2er_Click,
        .accessibleName = "Dop2er: Paare streichen",
        .description = "Streicht die Ziffern zweier Zellen mit denselben zwei möglichen Ziffern aus den "
            "übrigen Zellen ihrer Zeile, Spalte oder ihres Blocks. Strg+Z nimmt den Schritt zurück.",
        .tooltip = Tooltip::Description},
    {.name = "Gruppe", .kind = ControlKind::Grid, .bounds = kGruppeBounds, .tabIndex = 1,
        .state = &Board::Gruppe,
        .accessibleName = "Blöcke",
        .description = "Die fehlenden Ziffern jedes der neun 3×3-Blöcke."},
    {.name = "Feld", .kind = ControlKind::EntryGrid, .bounds = kFeldBounds, .tabIndex = 0,
        .state = &Board::Feld, .handler = &Form1::Feld_EnterCell,
        .accessibleName = "Spielfeld",
        .description = "Die 81 Zellen mit den gesetzten Ziffern und den möglichen Ziffern jeder offenen "
            "Zelle; Kopfzeile und Kopfspalte zeigen die fehlenden Ziffern jeder Spalte und Zeile. "
            "Pfeiltasten wählen eine Zelle. Im Testbetrieb zeigt die Eingabe- oder Leertaste die Liste der "
            "Zelle, ist sie offen, führt die Eingabetaste hinein; eine Zifferntaste setzt diese Ziffer."},
    {.name = "wahl", .kind = ControlKind::List, .bounds = kWahlBounds, .tabIndex = 9,
        .state = &FormState::wahl, .handler = &Form1::wahl_Click,
        .accessibleName = "Ziffernwahl",
        .description = "Die möglichen Ziffern der gewählten Zelle: die Eingabetaste setzt die markierte "
            "Ziffer, die leere Zeile schließt die Liste, Escape schließt sie und führt zurück ins Spielfeld."},
};
// clang-format on

constexpr std::size_t kControlCount = std::size(kControls);

// The control of that name, or nothing.
constexpr const Control* FindControl(std::string_view name)
{
    for (const Control& control : kControls) {
        if (control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

// Compares names rather than FindControl's pointer: GCC's undefined-behaviour sanitizer cannot evaluate that
// comparison at compile time.
constexpr bool HasControl(std::string_view name)
{
    for (const Control& control : kControls) {
        if (control.name == name) {
            return true;
        }
    }
    return false;
}

// The kind of a row agrees with the types of its state and handler: the window creates, renders and connects
// each control by its kind and trusts that.
constexpr bool Agrees(const Control& control)
{
    const ControlState& state = control.state;
    const ControlHandler& handler = control.handler;
    const bool noHandler = std::holds_alternative<std::monostate>(handler);
    switch (control.kind) {
    case ControlKind::Button:
        return std::holds_alternative<Button FormState::*>(state)
            && (std::holds_alternative<ClickHandler>(handler)
                || std::holds_alternative<FileHandler>(handler));
    case ControlKind::CheckBox:
        return std::holds_alternative<CheckBox FormState::*>(state)
            && std::holds_alternative<ClickHandler>(handler);
    case ControlKind::TextLine:
    case ControlKind::TextArea:
        return std::holds_alternative<TextBox FormState::*>(state) && noHandler;
    case ControlKind::Label:
    case ControlKind::Caption:
        return (std::holds_alternative<Label FormState::*>(state)
                   || std::holds_alternative<Label Board::*>(state))
            && noHandler && (control.kind == ControlKind::Caption) == HasControl(control.labels);
    case ControlKind::Grid:
        return std::holds_alternative<Grid Board::*>(state) && noHandler;
    case ControlKind::EntryGrid:
        return std::holds_alternative<Grid Board::*>(state) && std::holds_alternative<CellHandler>(handler);
    case ControlKind::List:
        return std::holds_alternative<ListBox FormState::*>(state)
            && std::holds_alternative<EntryHandler>(handler);
    }
    return false;
}

constexpr bool TableAgrees()
{
    for (std::size_t row = 0; row < kControlCount; ++row) {
        if (!Agrees(kControls[row])) {
            return false;
        }
        if ((kControls[row].kind == ControlKind::List) != (row + 1 == kControlCount)) {
            return false;
        }
        for (std::size_t other = row + 1; other < kControlCount; ++other) {
            if (kControls[row].name == kControls[other].name
                || kControls[row].tabIndex == kControls[other].tabIndex) {
                return false;
            }
        }
    }
    return true;
}
static_assert(TableAgrees(),
    "a control whose kind, state and handler disagree, a name or tab index twice, or the list not last");

template <typename Value> const Value& StateOf(const FormState& state, Value FormState::*member)
{
    return state.*member;
}
template <typename Value> const Value& StateOf(const FormState& state, Value Board::*member)
{
    return state.board.*member;
}

// Calls visit with the control's state: its Button, CheckBox, TextBox, Label, ListBox or Grid.
template <typename Visitor>
decltype(auto) VisitState(const Control& control, const FormState& state, Visitor&& visit)
{
    return std::visit(
        [&](auto member) -> decltype(auto) { return visit(StateOf(state, member)); }, control.state);
}

} // namespace zifora
