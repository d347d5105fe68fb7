// SPDX-License-Identifier: MIT
// libFuzzer target for the puzzle reader: whatever the bytes, it yields one or more puzzles of 81 cells that
// are each open or a given digit, or one of its defined errors with a line number that can point into the
// file.
#include "files/puzzle_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "puzzle reader broke its promise: %s\n", what);
    std::abort();
}

// Every line end (carriage return, line feed, or the two together) can start at most one new line.
int MostLines(std::string_view bytes)
{
    int lineEnds = 0;
    for (const char character : bytes) {
        if (character == '\r' || character == '\n') {
            ++lineEnds;
        }
    }
    return lineEnds + 1;
}

void CheckPuzzle(const zifora::Puzzle& puzzle)
{
    for (const std::uint8_t digit : puzzle.digits) {
        if (digit > 9) {
            Fail("a cell that is neither open nor a digit 1..9");
        }
    }
}

void CheckError(const zifora::LoadError& error, std::string_view bytes)
{
    using zifora::LoadErrorKind;
    switch (error.kind) {
    case LoadErrorKind::LineTooShort:
        if (error.line < 1 || error.line > MostLines(bytes)) {
            Fail("a short line that is not a line of the file");
        }
        return;
    case LoadErrorKind::LineMissing:
        // The missing line is the one after the last the file has.
        if (error.line < 1 || error.line > MostLines(bytes) + 1) {
            Fail("a missing line numbered outside the file's end");
        }
        return;
    case LoadErrorKind::TooLarge:
        if (bytes.size() <= zifora::kMaxPuzzleFileBytes) {
            Fail("a file within the size limit refused as too large");
        }
        break;
    case LoadErrorKind::BrokenGrid:
        if (error.line < 1 || error.line > MostLines(bytes) || error.rows < 1 || error.rows % 9 == 0) {
            Fail("a broken grid that is not a run of rows of the file short of whole grids");
        }
        return;
    case LoadErrorKind::RegionMap:
        if (error.line < 1 || error.line + 8 > MostLines(bytes)) {
            Fail("a region map of nine lines that are not all lines of the file");
        }
        return;
    case LoadErrorKind::NoPuzzle:
        break;
    case LoadErrorKind::Unreadable:
    case LoadErrorKind::NotFound:
    case LoadErrorKind::Folder:
        Fail("bytes in memory reported as a file that cannot be read");
    default:
        Fail("an error kind the reader does not define");
    }
    if (error.line != 0) {
        Fail("a line number on an error that names no line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const zifora::PuzzleRead read = zifora::ParsePuzzles(bytes);
    if (const auto* puzzles = std::get_if<zifora::Puzzles>(&read)) {
        if (puzzles->empty()) {
            Fail("a read without a puzzle that is no refusal");
        }
        for (const zifora::Puzzle& puzzle : *puzzles) {
            CheckPuzzle(puzzle);
        }
    } else {
        CheckError(std::get<zifora::LoadError>(read), bytes);
    }
    return 0;
}
