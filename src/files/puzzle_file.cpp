// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"

#include "board/bookkeeping.h"
#include "board/box.h"
#include "board/digits.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace zifora {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// The file's bytes, but never more than limit of them; nothing when reading fails part way.
std::optional<std::string> ReadAtMost(std::FILE* file, std::size_t limit)
{
    std::string bytes;
    std::array<char, std::size_t {64} * 1024> chunk;
    while (bytes.size() < limit) {
        const std::size_t wanted = std::min(chunk.size(), limit - bytes.size());
        const std::size_t got = std::fread(chunk.data(), 1, wanted, file);
        bytes.append(chunk.data(), got);
        if (got < wanted) {
            break;
        }
    }
    if (std::ferror(file) != 0) {
        return std::nullopt;
    }
    return bytes;
}

void PlaceGiven(Board& board, int row, int column, std::uint8_t digit)
{
    const char character = DigitCharacter(digit);
    assert(IsDigit(character));
    board.CellState(row, column) = kPlaced;
    board.Feld.SetCurrent(row, column);
    board.Feld.SetCellLook(kGivenLook);
    board.Feld.SetText(std::string_view(&character, 1));
}

} // namespace

PuzzleRead ReadPuzzleFile(const std::string& path)
{
    if (path.empty()) {
        return LoadError {LoadErrorKind::NotFound};
    }
    // Opening never waits (a pipe would block the window) and the checks ask the opened file itself, so a
    // file swapped for a device or a pipe after a look at its name cannot slip through. Devices, pipes and
    // folders are refused before a byte is read: /dev/zero would never end.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return LoadError {errno == ENOENT ? LoadErrorKind::NotFound : LoadErrorKind::Unreadable};
    }
    const FileHandle handle(::fdopen(descriptor, "rb"));
    if (!handle) {
        ::close(descriptor);
        return LoadError {LoadErrorKind::Unreadable};
    }
    struct stat status { };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        return LoadError {S_ISDIR(status.st_mode) ? LoadErrorKind::Folder : LoadErrorKind::Unreadable};
    }
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxPuzzleFileBytes) {
        return LoadError {LoadErrorKind::TooLarge};
    }
    // One byte past the limit tells a file that grew since its size was taken from one that fits.
    const std::optional<std::string> bytes = ReadAtMost(handle.get(), kMaxPuzzleFileBytes + 1);
    if (!bytes) {
        return LoadError {LoadErrorKind::Unreadable};
    }
    return ParsePuzzles(*bytes);
}

namespace {

// What went wrong, in the words that stand before the file's name.
std::string Problem(const LoadError& error)
{
    const std::string line = std::to_string(error.line);
    switch (error.kind) {
    case LoadErrorKind::Unreadable:
        return "Datei nicht lesbar";
    case LoadErrorKind::NotFound:
        return "Datei nicht gefunden";
    case LoadErrorKind::Folder:
        return "ist ein Ordner";
    case LoadErrorKind::TooLarge:
        return "Datei zu groß";
    case LoadErrorKind::NoPuzzle:
        return "kein Rätsel in der Datei";
    case LoadErrorKind::LineTooShort:
        return "Zeile " + line + " zu kurz";
    case LoadErrorKind::LineMissing:
        return "Zeile " + line + " fehlt";
    case LoadErrorKind::BrokenGrid: {
        // The grid the rows come closest to: a row too many or too few.
        const int grids = std::max(1, (error.rows + 4) / 9);
        return "Gitter ab Zeile " + line + " hat " + std::to_string(error.rows) + " statt "
            + std::to_string(grids * 9) + " Reihen";
    }
    case LoadErrorKind::RegionMap:
        return "Zeilen " + line + " bis " + std::to_string(error.line + 8)
            + " beschreiben Gebiete, keine Ziffern";
    }
    return "Datei nicht lesbar";
}

// The last part of a path: the name the user knows the file by.
std::string_view FileName(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos || path.size() == 1 ? path : path.substr(slash + 1);
}

} // namespace

std::string FileErrorMessage(const LoadError& error, std::string_view path)
{
    return "Fehler: " + Problem(error) + ": " + std::string(FileName(path));
}

std::string ClipboardErrorMessage(const LoadError& error)
{
    switch (error.kind) {
    case LoadErrorKind::TooLarge:
        return "Fehler: Zwischenablage zu groß";
    case LoadErrorKind::NoPuzzle:
        return "Fehler: kein Rätsel in der Zwischenablage";
    default:
        return "Fehler: " + Problem(error) + " (Zwischenablage)";
    }
}

std::array<bool, 81> ClashingCells(const Puzzle& puzzle)
{
    std::array<bool, 81> clashing {};
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            for (int otherRow = 1; otherRow <= 9; ++otherRow) {
                for (int otherColumn = 1; otherColumn <= 9; ++otherColumn) {
                    const bool sameBox
                        = BoxRow(row) == BoxRow(otherRow) && BoxColumn(column) == BoxColumn(otherColumn);
                    const bool shared = row == otherRow || column == otherColumn || sameBox;
                    const std::uint8_t digit = puzzle.Digit(row, column);
                    if (shared && (row != otherRow || column != otherColumn) && digit != 0
                        && digit == puzzle.Digit(otherRow, otherColumn)) {
                        clashing[static_cast<std::size_t>((row - 1) * 9 + column - 1)] = true;
                    }
                }
            }
        }
    }
    return clashing;
}

void ApplyPuzzle(Board& board, const Puzzle& puzzle)
{
    board.Feld.Clear();
    // Only a load centres the header texts: before the first one they keep the grid's own alignment.
    board.Feld.SetFixedAlignmentAll(Alignment::Center);
    bool given = false;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column) {
            const std::uint8_t digit = puzzle.Digit(row, column);
            if (digit != 0) {
                PlaceGiven(board, row, column, digit);
                given = true;
            } else {
                board.CellState(row, column) = kOpen;
            }
        }
    }
    // The count grows on the window colour while the givens are read, so a load with a given takes the red
    // of a full board off Label2; the recount puts it back when the new board is full too.
    if (given) {
        board.Label2.back = Colour::Window;
    }
    ComputeCandidates(board);
}

} // namespace zifora
