// SPDX-License-Identifier: MIT
#include "files/puzzle_file.h"

namespace zifora {

PuzzleRead ReadPuzzleFile(const std::string& /*path*/) { return LoadError { LoadErrorKind::Unreadable }; }

PuzzleRead ParsePuzzle(std::string_view /*bytes*/) { return LoadError { LoadErrorKind::NoPuzzle }; }

std::string LoadErrorMessage(const LoadError& /*error*/, std::string_view path)
{
    return "Fehler: Datei nicht lesbar: " + std::string(path);
}

void ApplyPuzzle(Board& /*board*/, const Puzzle& /*puzzle*/) { }

} // namespace zifora
