// SPDX-License-Identifier: MIT
#pragma once

#include "board/layout.h"
#include "board/looks.h"
#include "window/controls.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <string>

namespace zifora {

// The one mapping from the layout's twips to the window's pixels: at scale 1, 15 twips make a pixel, and a
// larger scale makes every bound, line and font larger together. Qt's high-DPI scaling does the rest.
class PixelScale {
public:
    explicit constexpr PixelScale(double factor = 1.0)
        : m_factor(factor)
    {
    }

    constexpr double Factor() const { return m_factor; }

    // Rounded to the nearest pixel.
    int Pixels(int twips) const;
    // Rounds the edges rather than the size, so that controls that touch in twips touch in pixels.
    QRect Rect(const TwipRect& twips) const;
    // The pixels of a horizontal or vertical line, centred on the line, as thick as Thickness makes it.
    QRect Line(const TwipLine& line, int pixelsAtOne) const;
    // A thickness drawn in whole pixels, never thinner than one.
    int Thickness(int pixelsAtOne) const;
    // The size of the window's client area.
    QSize ClientSize() const;

    friend bool operator==(const PixelScale&, const PixelScale&) = default;

private:
    double m_factor;
};

// The rectangle moved up and to the left just as far as it takes to lie inside area, never past its top-left
// corner.
QRect KeptInside(QRect rect, const QSize& area);

// The colour to paint: the exact RGB of a fixed colour, the desktop's window colour for Window, and the
// palette's colour for the control's own role for Default.
QColor ColourOf(Colour colour, const QPalette& palette, QPalette::ColorRole defaultRole);

// A cell's horizontal alignment; Default is the grid control's own: numbers to the right, other texts to the
// left.
Qt::Alignment HorizontalAlignment(Alignment align, const std::string& text);

} // namespace zifora

namespace zifora {

// The scales the zoom keys step through: 1, 1.25, 1.5, ...
constexpr double kScaleStep = 0.25;

// The largest step at which the window is at most about half as wide as the screen and fits the height
// available for windows; never below 1.
double OpeningScale(const QSize& screen, const QSize& available);

// The step after factor (steps 1) or before it (steps -1), kept between 1 and the largest step whose window
// fits the available room.
double ZoomStep(double factor, int steps, const QSize& available);

} // namespace zifora
