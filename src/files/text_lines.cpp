// SPDX-License-Identifier: MIT
#include "files/text_lines.h"

#include <cstdint>

namespace zifora {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& text, char32_t code)
{
    const auto byte = [&text](char32_t bits) { text += static_cast<char>(static_cast<std::uint8_t>(bits)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

// The code units after the mark; a lone surrogate or an odd last byte becomes the replacement character.
std::string Utf16ToUtf8(std::string_view units, bool bigEndian)
{
    const auto unit = [&units, bigEndian](std::size_t index) {
        const auto first = static_cast<std::uint8_t>(units[index]);
        const auto second = static_cast<std::uint8_t>(units[index + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    std::string text;
    text.reserve(units.size());
    std::size_t index = 0;
    for (; index + 1 < units.size(); index += 2) {
        const char32_t code = unit(index);
        const bool high = code >= 0xD800 && code < 0xDC00;
        if (high && index + 3 < units.size() && unit(index + 2) >= 0xDC00 && unit(index + 2) < 0xE000) {
            AppendUtf8(text, 0x10000 + ((code - 0xD800) << 10) + (unit(index + 2) - 0xDC00));
            index += 2;
        } else {
            AppendUtf8(text, code >= 0xD800 && code < 0xE000 ? kReplacement : code);
        }
    }
    if (index < units.size()) {
        AppendUtf8(text, kReplacement);
    }
    return text;
}

bool IsBlankCharacter(char character)
{
    return character == ' ' || character == '\t';
}

bool IsLineEnd(char character)
{
    return character == '\r' || character == '\n';
}

// Where the last line that is not blank ends, before its line end.
std::size_t ContentEnd(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && (IsBlankCharacter(text[end - 1]) || IsLineEnd(text[end - 1]))) {
        --end;
    }
    while (end < text.size() && !IsLineEnd(text[end])) {
        ++end;
    }
    return end;
}

} // namespace

PuzzleText::PuzzleText(std::string_view bytes)
    : m_text(bytes)
{
    if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
        m_decoded = Utf16ToUtf8(bytes.substr(2), bytes.starts_with(kUtf16BigMark));
        m_text = m_decoded;
    }
    if (m_text.starts_with(kUtf8Mark)) {
        m_text.remove_prefix(kUtf8Mark.size());
    }
}

LineCursor::LineCursor(std::string_view text)
    : m_text(text)
    , m_contentEnd(ContentEnd(text))
{
}

std::string_view LineCursor::Next()
{
    std::size_t end = m_offset;
    while (end < m_text.size() && !IsLineEnd(m_text[end])) {
        ++end;
    }
    const std::string_view line = m_text.substr(m_offset, end - m_offset);
    if (end < m_text.size() && m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n') {
        ++end;
    }
    m_offset = end + 1;
    ++m_number;
    return line;
}

bool IsBlank(std::string_view line)
{
    for (const char character : line) {
        if (!IsBlankCharacter(character)) {
            return false;
        }
    }
    return true;
}

} // namespace zifora
