// SPDX-License-Identifier: MIT
#pragma once

#include "board/grid.h"
#include "board/looks.h"
#include "window/controls.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <string>

namespace zifora {

// Twips to logical pixels, rounded to the nearest pixel; Qt's high-DPI scaling does the rest.
constexpr int Pixels(int twips)
{
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

// Rounds the edges rather than the size, so that controls that touch in twips touch in pixels.
QRect PixelRect(const TwipRect& twips);

// The rectangle moved up and to the left just as far as it takes to lie inside area, never past its top-left
// corner.
QRect KeptInside(QRect rect, const QSize& area);

// The pixels of a horizontal or vertical line of the given thickness, centred on the line.
QRect PixelLine(const TwipLine& line, int thicknessPixels);

// The colour to paint: the exact RGB of a fixed colour, the desktop's window colour for Window, and the
// palette's colour for the control's own role for Default.
QColor ColourOf(Colour colour, const QPalette& palette, QPalette::ColorRole defaultRole);

// A cell's horizontal alignment; Default is the grid control's own: numbers to the right, other texts to the
// left.
Qt::Alignment HorizontalAlignment(Alignment align, const std::string& text);

} // namespace zifora
