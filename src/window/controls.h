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

// Design-time geometry of the window and its controls, in twips (15 twips = 1 logical pixel).
constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 9900;
constexpr int kClientHeight = 4080;

constexpr TwipRect kLosBounds {120, 120, 615, 255};
constexpr TwipRect kText2Bounds {840, 120, 1815, 285};
constexpr TwipRect kLabel2Bounds {2760, 120, 375, 255};
constexpr TwipRect kTestenBounds {3240, 120, 615, 255};
constexpr TwipRect kText1Bounds {4080, 0, 2535, 375};
constexpr TwipRect kWahlBounds {4320, 0, 255, 840};
constexpr TwipRect kLabel1Bounds {6960, 0, 615, 495};
constexpr TwipRect kCheck1Bounds {7680, 120, 255, 255};
constexpr TwipRect kResetBounds {8040, 120, 735, 255};
constexpr TwipRect kTestOKBounds {8880, 120, 975, 255};
constexpr TwipRect kZellenBounds {120, 480, 855, 255};
constexpr TwipRect kEinzelneBounds {120, 840, 855, 255};
constexpr TwipRect kD2erBounds {120, 1200, 855, 255};

// Height of one entry of the list wahl, and the room left for each grid line when placing it over a cell.
constexpr int kWahlItemHeight = 220;
constexpr int kGridLineTwips = 10;

// The four separator lines that mark the 3 x 3 boxes across the window, from (x1, y1) to (x2, y2).
struct TwipLine {
    int x1;
    int y1;
    int x2;
    int y2;
};
constexpr TwipLine kLine1 {6840, 0, 6840, 4080};
constexpr TwipLine kLine2 {3960, 0, 3960, 4080};
constexpr TwipLine kLine3 {0, 2400, 9960, 2400};
constexpr TwipLine kLine4 {0, 3120, 9960, 3120};
constexpr int kLineThicknessPixels = 3;

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
