// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "board/grid.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zifora {

// Whether a button can be clicked always, or only while trial mode is on.
enum class Availability : std::uint8_t { Always, InTrialMode };

struct Button {
    std::string caption;
    Availability availability = Availability::Always;
    friend bool operator==(const Button&, const Button&) = default;
};

struct TextBox {
    std::string text;
    friend bool operator==(const TextBox&, const TextBox&) = default;
};

// Its check mark is a fact stored elsewhere: FormState::Checked says where.
struct CheckBox {
    std::string caption;
    friend bool operator==(const CheckBox&, const CheckBox&) = default;
};

struct ListBox {
    std::vector<std::string> items;
    bool visible = false;
    TwipRect bounds;
    friend bool operator==(const ListBox&, const ListBox&) = default;
};

// What the open-file dialog is asked to show.
struct FileDialogSettings {
    std::string filter = "Text (*.txt)|*.txt|alle (*.*)|*.*";
    int filterIndex = 1; // 1 = the first entry, selected anew at every use
    friend bool operator==(const FileDialogSettings&, const FileDialogSettings&) = default;
};

// Everything the window shows: the board and the state of every other control.
struct FormState {
    Board board;
    Button Los {"Datei"};
    Button Zellen {"Zellen"};
    Button Einzelne {"Einzeln"};
    Button D2er {"Dop2er"};
    Button Testen {"Test"};
    Button Reset {"Reset", Availability::InTrialMode};
    Button TestOK {"Ubernahme", Availability::InTrialMode};
    TextBox Text1 {"Text1"};
    TextBox Text2 {"Text2"};
    Label Label1 {"Test Betrieb:"};
    CheckBox Check1 {"Check1"};
    ListBox wahl {{}, false, kWahlBounds};
    FileDialogSettings CommonDialog1;

    // Trial mode is one fact, the board's TestMode: the check box shows it, and the buttons of trial mode
    // are enabled exactly while it is on.
    bool Enabled(const Button& button) const
    {
        return button.availability == Availability::Always || board.TestMode;
    }
    bool Checked(const CheckBox& /*box*/) const { return board.TestMode; }

    friend bool operator==(const FormState&, const FormState&) = default;
};

} // namespace zifora
