// SPDX-License-Identifier: MIT
#include "qt/pixels.h"

#include <algorithm>
#include <cmath>

namespace zifora {

int PixelScale::Pixels(int twips) const
{
    return static_cast<int>(std::floor(twips * m_factor / kTwipsPerPixel + 0.5));
}

QRect PixelScale::Rect(const TwipRect& twips) const
{
    const int left = Pixels(twips.left);
    const int top = Pixels(twips.top);
    return {left, top, Pixels(twips.left + twips.width) - left, Pixels(twips.top + twips.height) - top};
}

QRect PixelScale::Line(const TwipLine& line, int pixelsAtOne) const
{
    const int thickness = Thickness(pixelsAtOne);
    // As far before the line as at scale 1 (a whole pixel), times the scale, so that the line's middle stays
    // put.
    const int beforeAtOne = pixelsAtOne / 2;
    const int before = static_cast<int>(std::lround(beforeAtOne * m_factor));
    if (line.x1 == line.x2) {
        const int top = Pixels(std::min(line.y1, line.y2));
        return {Pixels(line.x1) - before, top, thickness, Pixels(std::max(line.y1, line.y2)) - top};
    }
    const int left = Pixels(std::min(line.x1, line.x2));
    return {left, Pixels(line.y1) - before, Pixels(std::max(line.x1, line.x2)) - left, thickness};
}

int PixelScale::Thickness(int pixelsAtOne) const
{
    return std::max(1, static_cast<int>(std::lround(pixelsAtOne * m_factor)));
}

QSize PixelScale::ClientSize() const
{
    return {Pixels(kClientWidth), Pixels(kClientHeight)};
}

QRect KeptInside(QRect rect, const QSize& area)
{
    rect.moveLeft(std::max(0, std::min(rect.left(), area.width() - rect.width())));
    rect.moveTop(std::max(0, std::min(rect.top(), area.height() - rect.height())));
    return rect;
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

namespace zifora {
namespace {

// How far a scale at most can go while the window fits the room; never below 1.
double FittingScale(const QSize& room)
{
    const QSize one = PixelScale().ClientSize();
    return std::max(1.0,
        std::min(static_cast<double>(room.width()) / one.width(),
            static_cast<double>(room.height()) / one.height()));
}

} // namespace

double OpeningScale(const QSize& screen, const QSize& available)
{
    // A few per cent over half, so that 1.5 opens on the common 1920 pixels, and 1 on 1280.
    const QSize room(screen.width() * 52 / 100, available.height() * 9 / 10);
    return std::max(1.0, std::floor(FittingScale(room) / kScaleStep) * kScaleStep);
}

double ZoomStep(double factor, int steps, const QSize& available)
{
    // A factor a resize left between two steps goes to the nearer step in the key's direction.
    constexpr double kSlack = 1e-6;
    const double step = steps > 0 ? std::floor(factor / kScaleStep + kSlack) + 1
                                  : std::ceil(factor / kScaleStep - kSlack) - 1;
    const double largest = std::floor(FittingScale(available) / kScaleStep + kSlack) * kScaleStep;
    return std::clamp(step * kScaleStep, 1.0, std::max(1.0, largest));
}

} // namespace zifora
