// SPDX-License-Identifier: MIT
#include "qt/pixels.h"

#include <algorithm>

namespace zifora {

QRect PixelRect(const TwipRect& twips)
{
    const int left = Pixels(twips.left);
    const int top = Pixels(twips.top);
    return {left, top, Pixels(twips.left + twips.width) - left, Pixels(twips.top + twips.height) - top};
}

QRect KeptInside(QRect rect, const QSize& area)
{
    rect.moveLeft(std::max(0, std::min(rect.left(), area.width() - rect.width())));
    rect.moveTop(std::max(0, std::min(rect.top(), area.height() - rect.height())));
    return rect;
}

QRect PixelLine(const TwipLine& line, int thicknessPixels)
{
    const int before = thicknessPixels / 2;
    if (line.x1 == line.x2) {
        const int top = Pixels(std::min(line.y1, line.y2));
        return {Pixels(line.x1) - before, top, thicknessPixels, Pixels(std::max(line.y1, line.y2)) - top};
    }
    const int left = Pixels(std::min(line.x1, line.x2));
    return {left, Pixels(line.y1) - before, Pixels(std::max(line.x1, line.x2)) - left, thicknessPixels};
}

QColor ColourOf(Colour colour, const QPalette& palette, QPalette::ColorRole defaultRole)
{
    if (const std::optional<Rgb> rgb = RgbOf(colour)) {
        return {rgb->red, rgb->green, rgb->blue};
    }
    return palette.color(colour == Colour::Window ? QPalette::Window : defaultRole);
}

Qt::Alignment HorizontalAlignment(Alignment align, const std::string& text)
{
    switch (align) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Default:
        break;
    }
    const bool number = !text.empty() && std::all_of(text.begin(), text.end(), [](char character) {
        return character >= '0' && character <= '9';
    });
    return number ? Qt::AlignRight : Qt::AlignLeft;
}

} // namespace zifora
