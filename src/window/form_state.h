// SPDX-License-Identifier: MIT
#pragma once

#include "board/board.h"
#include "board/grid.h"

#include <string>
#include <vector>

namespace zifora {

struct Button {
    std::string caption;
    bool enabled = true;
    friend bool operator==(const Button&, const Button&) = default;
};

struct TextBox {
    std::string text;
    friend bool operator==(const TextBox&, const TextBox&) = default;
};

struct CheckBox {
    std::string caption;
    bool checked = false;
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

// Where the list wahl stands until it is first shown, in twips. Each showing places it anew over the entered
// cell: one entry a kWahlItemHeight, allowing kGridLineTwips for each grid line before the cell.
constexpr TwipRect kWahlBounds {4320, 0, 255, 840};
constexpr int kWahlItemHeight = 220;
constexpr int kGridLineTwips = 10;

// Everything the window shows: the board and the state of every other control.
struct FormState {
    Board board;
    Button Los {"Datei"};
    Button Zellen {"Zellen"};
    Button Einzelne {"Einzeln"};
    Button D2er {"Dop2er"};
    Button Testen {"Test"};
    Button Reset {"Reset"};
    Button TestOK {"Ubernahme"};
    TextBox Text1 {"Text1"};
    TextBox Text2 {"Text2"};
    Label Label1 {"Test Betrieb:"};
    CheckBox Check1 {"Check1"};
    ListBox wahl {{}, false, kWahlBounds};
    FileDialogSettings CommonDialog1;
    friend bool operator==(const FormState&, const FormState&) = default;
};

} // namespace zifora
