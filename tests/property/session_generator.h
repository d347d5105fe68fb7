// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace zifora::test {

// The digit of each cell of a puzzle file, row by row, 0 for an open cell.
using Givens = std::array<std::uint8_t, 81>;

struct SessionFile {
    std::string name; // relative to the session folder
    std::optional<Givens> givens; // what a load must show, or nothing when the load must be refused
};

// A temporary folder holding the files a session loads: good puzzles in every format the reader accepts,
// broken ones, an empty file, a directory and a name that does not exist. The same seed writes the same
// files. The folder is removed afterwards unless Keep() was called, so that a failing session can be
// replayed from a script written beside its files.
class SessionFolder {
public:
    explicit SessionFolder(std::uint64_t seed);
    ~SessionFolder();
    SessionFolder(const SessionFolder&) = delete;
    SessionFolder& operator=(const SessionFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    const std::vector<SessionFile>& Files() const { return m_files; }
    std::string PathOf(const SessionFile& file) const { return (m_path / file.name).string(); }
    void Keep() { m_keep = true; }

private:
    void Add(std::string name, const std::string& bytes, std::optional<Givens> givens);
    void WriteGoodPuzzles(std::mt19937_64& random);
    void WriteBrokenFiles(std::mt19937_64& random);

    std::filesystem::path m_path;
    std::vector<SessionFile> m_files;
    bool m_keep = false;
};

enum class EventKind : std::uint8_t { Load, Cancel, Click, Enter, Choose };

// One thing a user does to the window. Events a user cannot do through the widgets (a choice from a hidden
// list, a header cell entered) are marked, so that a driver of the real window can leave them out.
struct Event {
    EventKind kind = EventKind::Click;
    std::size_t file = 0; // Load: index into SessionFolder::Files()
    std::string_view button = "Zellen"; // Click: the name of a control with a click handler
    int row = 1;
    int column = 1;
    int index = 0; // Choose: the entry of wahl
    bool byUser = true;
};

enum class Moves : std::uint8_t { UserOnly, AlsoImpossible };

// A seeded, reproducible stream of events. The next event depends on what the form shows, as a user's
// would: list entries are chosen only while the list is shown, and only among the entries it has.
class SessionGenerator {
public:
    SessionGenerator(std::uint64_t seed, const SessionFolder& folder, Moves moves);

    Event Next(const FormState& state);

private:
    Event NextChoice(const ListBox& wahl);
    Event NextEntry();
    Event NextLoad();
    bool OneIn(int count);

    std::mt19937_64 m_random;
    const SessionFolder& m_folder;
    Moves m_moves;
};

// The event as a line of a zifora-replay script; events a user cannot do become comments. File names
// are relative, so the script works from inside the session folder.
std::string ScriptLine(const Event& event, const SessionFolder& folder);

} // namespace zifora::test
