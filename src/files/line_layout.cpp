// SPDX-License-Identifier: MIT
#include "files/line_layout.h"

#include <vector>

namespace zifora {
namespace {

constexpr std::size_t kFirstCharacters = 9;
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
// U+2500 to U+257F in UTF-8: E2 94 80 to E2 95 BF.
constexpr char kBoxLead = '\xE2';

bool IsBoxDrawing(std::string_view text)
{
    return text.size() >= 3 && text[0] == kBoxLead && (text[1] == '\x94' || text[1] == '\x95')
        && static_cast<unsigned char>(text[2]) >= 0x80 && static_cast<unsigned char>(text[2]) <= 0xBF;
}

// The length of the blank at the start of text: a space, or a no-break space; 0 for anything else.
std::size_t BlankAt(std::string_view text)
{
    if (text.starts_with(' ')) {
        return 1;
    }
    return text.starts_with(kNoBreakSpace) ? kNoBreakSpace.size() : 0;
}

// "|" and the vertical lines of box drawing.
constexpr std::string_view kBars[] = {"|", "\xE2\x94\x82", "\xE2\x94\x83", "\xE2\x95\x91"};

// The length of the bar at the start of text; 0 for anything else.
std::size_t BarAt(std::string_view text)
{
    for (const std::string_view bar : kBars) {
        if (text.starts_with(bar)) {
            return bar.size();
        }
    }
    return 0;
}

std::size_t SeparatorAt(std::string_view text)
{
    const std::size_t blank = BlankAt(text);
    return blank != 0 ? blank : BarAt(text);
}

// The character that splits a line into fields: the first comma or semicolon, else a tab, else none.
std::optional<char> FieldMark(std::string_view line)
{
    bool tab = false;
    for (const char character : line) {
        if (character == ',' || character == ';') {
            return character;
        }
        tab = tab || character == '\t';
    }
    return tab ? std::optional<char>('\t') : std::nullopt;
}

// The length of the blank, tab or bar that ends text; 0 for anything else.
std::size_t SeparatorAtEnd(std::string_view text)
{
    if (text.ends_with(' ') || text.ends_with('\t')) {
        return 1;
    }
    if (text.ends_with(kNoBreakSpace)) {
        return kNoBreakSpace.size();
    }
    for (const std::string_view bar : kBars) {
        if (text.ends_with(bar)) {
            return bar.size();
        }
    }
    return 0;
}

std::string_view Trimmed(std::string_view field)
{
    while (!field.empty()) {
        const std::size_t length = field.front() == '\t' ? 1 : SeparatorAt(field);
        if (length == 0) {
            break;
        }
        field.remove_prefix(length);
    }
    while (const std::size_t length = SeparatorAtEnd(field)) {
        field.remove_suffix(length);
    }
    return field;
}

// The trimmed fields of a line; a tenth or 82nd field that is empty only ends the last cell.
std::vector<std::string_view> Fields(std::string_view line, char mark)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t end = line.find(mark); end != std::string_view::npos; end = line.find(mark, start)) {
        fields.push_back(Trimmed(line.substr(start, end - start)));
        start = end + 1;
    }
    fields.push_back(Trimmed(line.substr(start)));
    const bool oneTooMany = fields.size() == kRowCells + 1 || fields.size() == kPuzzleCells + 1;
    if (oneTooMany && fields.back().empty()) {
        fields.pop_back();
    }
    return fields;
}

std::optional<std::string> FieldCells(std::string_view line, char mark)
{
    std::string cells;
    for (const std::string_view field : Fields(line, mark)) {
        if (field.empty()) {
            cells += '.';
        } else if (field.size() == 1 && IsCellCharacter(field[0])) {
            cells += field[0];
        } else {
            return std::nullopt;
        }
    }
    return cells;
}

std::optional<std::string> SeparatedCells(std::string_view line)
{
    std::string cells;
    while (!line.empty()) {
        const std::size_t separator = SeparatorAt(line);
        if (separator != 0) {
            line.remove_prefix(separator);
            continue;
        }
        if (!IsCellCharacter(line.front())) {
            return std::nullopt;
        }
        cells += line.front();
        line.remove_prefix(1);
    }
    return cells;
}

bool IsAsciiLetter(char character)
{
    return (character >= 'a' && character <= 'z') || (character >= 'A' && character <= 'Z');
}

std::optional<std::string> CellRun(std::string_view line)
{
    std::size_t index = 0;
    while (index < line.size()) {
        if (!IsCellCharacter(line[index])) {
            ++index;
            continue;
        }
        const std::size_t start = index;
        while (index < line.size() && IsCellCharacter(line[index])) {
            ++index;
        }
        const bool free = start == 0 || !(IsAsciiLetter(line[start - 1]) || line[start - 1] == '+');
        if (free && index - start >= kPuzzleCells) {
            return std::string(line.substr(start, kPuzzleCells));
        }
    }
    return std::nullopt;
}

// Whether some character among the first nine is one that test finds.
template <typename Test> bool AnyInFirstNine(std::string_view line, Test test)
{
    for (std::size_t index = 0; index < kFirstCharacters && index < line.size(); ++index) {
        if (test(line.substr(index))) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::string> LineCells(std::string_view line)
{
    const std::optional<char> mark = FieldMark(line);
    return mark ? FieldCells(line, *mark) : SeparatedCells(line);
}

std::size_t PieceCount(std::string_view line)
{
    if (const std::optional<char> mark = FieldMark(line)) {
        return Fields(line, *mark).size();
    }
    std::size_t words = 0;
    bool inWord = false;
    while (!line.empty()) {
        const std::size_t blank = BlankAt(line);
        if (blank == 0 && !inWord) {
            ++words;
        }
        inWord = blank == 0;
        line.remove_prefix(blank != 0 ? blank : 1);
    }
    return words;
}

std::optional<std::string> RowOrPuzzleCells(std::string_view line)
{
    if (std::optional<std::string> run = CellRun(line)) {
        return run;
    }
    return LineCells(line);
}

bool IsBlankOrBorderLine(std::string_view line)
{
    while (!line.empty()) {
        std::size_t length = line.front() == '\t' ? 1 : BlankAt(line);
        if (length == 0 && IsBoxDrawing(line)) {
            length = 3;
        } else if (length == 0 && std::string_view("-+=|*").find(line.front()) != std::string_view::npos) {
            length = 1;
        }
        if (length == 0) {
            return false;
        }
        line.remove_prefix(length);
    }
    return true;
}

bool IsCommentLine(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == '#';
}

bool SeparatesInFirstNine(std::string_view line)
{
    return AnyInFirstNine(line, [](std::string_view rest) {
        return rest.front() == '\t' || rest.front() == ',' || rest.front() == ';' || SeparatorAt(rest) != 0;
    });
}

bool MarksFieldsInFirstNine(std::string_view line)
{
    return AnyInFirstNine(line, [](std::string_view rest) {
        return rest.front() == ',' || rest.front() == ';' || rest.front() == ':';
    });
}

bool DrawsGrid(std::string_view line)
{
    const auto gridCharacter = [](std::string_view rest) {
        return rest.front() == '|' || rest.front() == '+' || rest.front() == '=' || IsBoxDrawing(rest);
    };
    if (AnyInFirstNine(line, gridCharacter)) {
        return true;
    }
    if (!IsBlankOrBorderLine(line)) {
        return false;
    }
    for (std::size_t index = 0; index < line.size(); ++index) {
        if (gridCharacter(line.substr(index))) {
            return true;
        }
    }
    return false;
}

} // namespace zifora
