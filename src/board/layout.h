// SPDX-License-Identifier: MIT
// The window's design-time geometry, in twips: the one home of the layout's numbers outside the table of
// controls, which holds each control's own bounds. 15 twips make one pixel at scale 1.
#pragma once

#include <string_view>

namespace zifora {

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 9900;
constexpr int kClientHeight = 4080;

// The two grids, and the size of every cell of each.
constexpr TwipRect kFeldBounds {120, 1440, 9670, 2470};
constexpr TwipRect kGruppeBounds {1080, 480, 8715, 975};
constexpr int kFeldCellWidth = 960;
constexpr int kFeldCellHeight = 240;
constexpr int kGruppeCellWidth = 2880;
constexpr int kGruppeCellHeight = 300;

// Where the list wahl stands until it is first shown. Each showing places it anew over the entered cell: one
// entry a kWahlItemHeight, allowing kGridLineTwips for each grid line before the cell.
constexpr TwipRect kWahlBounds {4320, 0, 255, 840};
constexpr int kWahlItemHeight = 220;
constexpr int kGridLineTwips = 10;

// The four separator lines that mark the 3 x 3 boxes across the window, from (x1, y1) to (x2, y2), three
// pixels thick at scale 1.
struct TwipLine {
    int x1;
    int y1;
    int x2;
    int y2;
};
struct SeparatorLine {
    std::string_view name;
    TwipLine line;
};
inline constexpr SeparatorLine kSeparatorLines[] = {
    {"Line1", {6840, 0, 6840, 4080}},
    {"Line2", {3960, 0, 3960, 4080}},
    {"Line3", {0, 2400, 9960, 2400}},
    {"Line4", {0, 3120, 9960, 3120}},
};
constexpr int kLineThicknessPixels = 3;

} // namespace zifora
