// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zifora {

// The text of a puzzle file as the reader reads it: a UTF-16 file with its byte-order mark becomes UTF-8, and
// the UTF-8 byte-order mark goes. Any other file stays byte for byte, one byte one character.
class PuzzleText {
public:
    explicit PuzzleText(std::string_view bytes);
    // The text may point into the object itself.
    PuzzleText(const PuzzleText&) = delete;
    PuzzleText& operator=(const PuzzleText&) = delete;
    ~PuzzleText() = default;

    std::string_view Text() const { return m_text; }

private:
    std::string m_decoded;
    std::string_view m_text;
};

// The lines of a text, one at a time: a carriage return with a line feed, a carriage return alone and a line
// feed alone each end a line. A last line without an end counts; the empty rest after a final line end does
// not. Lines are handed out one by one, so that a file of millions of lines costs no list of them.
class LineCursor {
public:
    explicit LineCursor(std::string_view text);

    bool AtEnd() const { return m_offset >= m_text.size(); }
    // Whether only blank lines are left.
    bool OnlyBlankLeft() const { return m_offset >= m_contentEnd; }
    // The number of lines handed out so far: the line number of the last one.
    std::size_t Number() const { return m_number; }
    std::string_view Next();

private:
    std::string_view m_text;
    std::size_t m_contentEnd;
    std::size_t m_offset = 0;
    std::size_t m_number = 0;
};

// A line of nothing but spaces and tabs, the empty line included.
bool IsBlank(std::string_view line);

} // namespace zifora
