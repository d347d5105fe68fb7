// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zifora {

// The digit characters "1" to "9"; texts hold nothing else that counts as a digit.
constexpr bool IsDigit(char character)
{
    return character >= '1' && character <= '9';
}

// The value 1..9 of a digit character.
constexpr int DigitValue(char digit)
{
    return digit - '0';
}

// The character of a value 1..9.
constexpr char DigitCharacter(int value)
{
    return static_cast<char>('0' + value);
}

constexpr bool Contains(std::string_view text, char character)
{
    return text.find(character) != std::string_view::npos;
}

} // namespace zifora
