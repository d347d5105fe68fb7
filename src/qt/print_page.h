// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_state.h"

#include <QPointF>
#include <QRectF>

class QPainter;
class QWidget;

namespace zifora {

// Where a page puts the form: the window's layout from the top of its grids down, scaled to the width of
// the page's area, below a caption of two lines.
class PageLayout {
public:
    PageLayout(const QRectF& area, const FormState& state);

    // The page's rectangle of a rectangle in twips of the window.
    QRectF Map(double left, double top, double width, double height) const;
    QRectF Map(const TwipRect& twips) const { return Map(twips.left, twips.top, twips.width, twips.height); }
    double Scale() const { return m_scale; }
    // The window's twips at which the grids begin.
    int Top() const { return m_top; }

private:
    int m_top;
    double m_scale;
    QPointF m_origin;
};

// Draws what the form shows of the puzzle -- the board with its candidates and looks, the missing digits of
// the rows, columns and boxes, the count and the file name -- as the window lays them out, scaled to the
// width of area. Drawn, not copied from the screen, so that it is sharp at any resolution; the looks differ
// in weight, slant, underline and frame as well as in colour, so that they read in black and white.
void DrawFormPage(QPainter& painter, const QRectF& area, const FormState& state);

// Asks with the desktop's print dialog where to print, then prints one page.
void PrintForm(QWidget* parent, const FormState& state);

} // namespace zifora
