// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace zifora {

// The colours the program paints with. Default is a control's own look, never set by the program;
// Window is the desktop's window-background colour. Every other colour has a fixed RGB value.
enum class Colour : std::uint8_t { Default, Window, Green, Red, Yellow, Cyan, Magenta, White };

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The exact RGB of a colour, or nothing for the two colours the desktop decides.
constexpr std::optional<Rgb> RgbOf(Colour colour)
{
    switch (colour) {
    case Colour::Green:
        return Rgb {0, 255, 0};
    case Colour::Red:
        return Rgb {255, 0, 0};
    case Colour::Yellow:
        return Rgb {255, 255, 0};
    case Colour::Cyan:
        return Rgb {0, 255, 255};
    case Colour::Magenta:
        return Rgb {255, 0, 255};
    case Colour::White:
        return Rgb {255, 255, 255};
    case Colour::Default:
    case Colour::Window:
        break;
    }
    return std::nullopt;
}

enum class Weight : std::uint8_t { Normal, Bold };

// Horizontal alignment; every cell is centred vertically. Default follows the column's alignment.
enum class Alignment : std::uint8_t { Default, Center, Right };

struct CellLook {
    Colour back = Colour::Default;
    Weight weight = Weight::Normal;
    Alignment align = Alignment::Default;
    friend bool operator==(const CellLook&, const CellLook&) = default;
};

// What a code change does to a cell's look, always the two together; without a weight, the weight stays.
struct LookChange {
    Colour back;
    std::optional<Weight> weight;
    Alignment align;
};

// A digit of the puzzle file; a single candidate placed, outside and in trial mode; a digit chosen from the
// list; a trial placement accepted; a cell reverted to open.
constexpr LookChange kGivenLook {Colour::Yellow, Weight::Bold, Alignment::Center};
constexpr LookChange kPlacedLook {Colour::Cyan, Weight::Bold, Alignment::Center};
constexpr LookChange kTrialPlacementLook {Colour::Magenta, Weight::Bold, Alignment::Center};
constexpr LookChange kTrialChoiceLook {Colour::Red, std::nullopt, Alignment::Center};
constexpr LookChange kAcceptedLook {Colour::Green, std::nullopt, Alignment::Center};
constexpr LookChange kDiscardedLook {Colour::White, Weight::Normal, Alignment::Right};

} // namespace zifora
