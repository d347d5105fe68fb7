// SPDX-License-Identifier: MIT
#include "session_generator.h"

#include "puzzle_texts.h"

#include <fstream>

namespace zifora::test {
namespace {

// How often each kind of event comes, out of 100. Entering cells and choosing digits come most, so that
// trial play gets far; loads are rare enough that a puzzle is worked on for a while before the next.
constexpr int kEnterShare = 30;
constexpr int kChooseShare = 24;
constexpr std::array<std::pair<std::string_view, int>, 7> kButtonShares {{
    {"Zellen", 9},
    {"Einzelne", 9},
    {"D2er", 6},
    {"Testen", 4},
    {"Check1", 6},
    {"Reset", 3},
    {"TestOK", 4},
}};
constexpr int kLoadShare = 4;
// The rest of 100 is Cancel.

// One event in this many of those a user cannot do is put in where they are asked for.
constexpr int kImpossibleOdds = 50;

std::filesystem::path FreshFolder(std::uint64_t seed)
{
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    std::random_device entropy;
    for (;;) {
        std::filesystem::path candidate
            = base / ("zifora-sessions-" + std::to_string(seed) + "-" + std::to_string(entropy()));
        if (std::filesystem::create_directory(candidate)) {
            return candidate;
        }
    }
}

} // namespace

SessionFolder::SessionFolder(std::uint64_t seed)
    : m_path(FreshFolder(seed))
{
    std::mt19937_64 random(seed);
    WriteGoodPuzzles(random);
    WriteBrokenFiles(random);
}

SessionFolder::~SessionFolder()
{
    if (!m_keep) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}

void SessionFolder::Add(std::string name, const std::string& bytes, std::optional<Givens> givens)
{
    std::ofstream(m_path / name, std::ios::binary) << bytes;
    m_files.push_back({std::move(name), givens});
}

void SessionFolder::WriteGoodPuzzles(std::mt19937_64& random)
{
    const Givens classic = ClassicPuzzle();
    Add("classic.txt", PlainRows(classic, '0', "\r\n"), classic);
    const Givens solved = SolvedGrid(random);
    Add("solved.txt", PlainRows(solved, '.', "\n"), solved);
    const Givens nearly = WithHoles(SolvedGrid(random), 4, random);
    Add("Mein Rätsel.txt", PlainRows(nearly, ' ', "\n", "  # fast fertig"), nearly);
    const Givens oneLine = WithHoles(SolvedGrid(random), 30, random);
    Add("one_line.txt", OneLine(oneLine) + "\n", oneLine);
    const Givens bordered = WithHoles(SolvedGrid(random), 45, random);
    Add("bordered.txt", Bordered(bordered), bordered);
    const Givens last = WithHoles(SolvedGrid(random), 20, random);
    Add("two_blocks.txt", PlainRows(classic, '0', "\n") + PlainRows(last, '-', "\n"), last);
    Add("bom_trailing.txt", "\xEF\xBB\xBF" + PlainRows(classic, '.', "\r") + "\r \t\r\r", classic);
    for (int number = 1; number <= 4; ++number) {
        const Givens holes = WithHoles(SolvedGrid(random), 5 + 15 * number, random);
        Add("nearly_" + std::to_string(number) + ".txt", RandomRows(holes, random), holes);
    }
    // Digits thrown at random: rows, columns and boxes with a digit twice, cells without candidates.
    for (int number = 1; number <= 3; ++number) {
        const Givens scattered = Scattered(10 + 10 * number, random);
        Add("scattered_" + std::to_string(number) + ".txt", RandomRows(scattered, random), scattered);
    }
}

void SessionFolder::WriteBrokenFiles(std::mt19937_64& random)
{
    const Givens classic = ClassicPuzzle();
    Add("empty.txt", "", std::nullopt);
    Add("blank.txt", "\r\n \t\n\n", std::nullopt);
    Add("short_line.txt", WithShortLine(classic, random), std::nullopt);
    Add("missing_lines.txt", WithWrongLineCount(classic, random), std::nullopt);
    for (int number = 1; number <= 3; ++number) {
        Add("garbage_" + std::to_string(number) + ".bin", ShortLineGarbage(random), std::nullopt);
    }
    std::string huge = PlainRows(classic, '0', "\n");
    huge.resize(std::size_t {1024} * 1024 + 1, ' ');
    Add("huge.txt", huge, std::nullopt);
    std::filesystem::create_directory(m_path / "folder");
    m_files.push_back({"folder", std::nullopt});
    m_files.push_back({"missing.txt", std::nullopt});
}

SessionGenerator::SessionGenerator(std::uint64_t seed, const SessionFolder& folder, Moves moves)
    : m_random(seed)
    , m_folder(folder)
    , m_moves(moves)
{
}

bool SessionGenerator::OneIn(int count)
{
    return std::uniform_int_distribution<int>(1, count)(m_random) == 1;
}

Event SessionGenerator::Next(const FormState& state)
{
    int roll = std::uniform_int_distribution<int>(0, 99)(m_random);
    if (roll < kEnterShare) {
        return NextEntry();
    }
    roll -= kEnterShare;
    if (roll < kChooseShare) {
        return NextChoice(state.wahl);
    }
    roll -= kChooseShare;
    for (const auto& [button, share] : kButtonShares) {
        if (roll < share) {
            return Event {.kind = EventKind::Click, .button = button};
        }
        roll -= share;
    }
    if (roll < kLoadShare) {
        return NextLoad();
    }
    return Event {.kind = EventKind::Cancel};
}

// A user picks one of the entries the shown list has; a choice from a hidden list, or of an entry the list
// does not have, comes only now and then and only when asked for.
Event SessionGenerator::NextChoice(const ListBox& wahl)
{
    const bool impossible = m_moves == Moves::AlsoImpossible && OneIn(kImpossibleOdds);
    if (!wahl.visible && !impossible) {
        return NextEntry();
    }
    const int count = static_cast<int>(wahl.items.size());
    if (impossible) {
        const int index = OneIn(2) ? -1 : count + std::uniform_int_distribution<int>(0, 3)(m_random);
        return Event {.kind = EventKind::Choose, .index = index, .byUser = false};
    }
    return Event {
        .kind = EventKind::Choose, .index = std::uniform_int_distribution<int>(0, count - 1)(m_random)};
}

Event SessionGenerator::NextEntry()
{
    std::uniform_int_distribution<int> cell(1, 9);
    Event event {.kind = EventKind::Enter, .row = cell(m_random), .column = cell(m_random)};
    if (m_moves == Moves::AlsoImpossible && OneIn(kImpossibleOdds)) {
        // The header row and column, and the first places past the board.
        const int outside = OneIn(2) ? 0 : 10;
        (OneIn(2) ? event.row : event.column) = outside;
        event.byUser = false;
    }
    return event;
}

// Good puzzles three times in four, so that most loads start new play.
Event SessionGenerator::NextLoad()
{
    const auto& files = m_folder.Files();
    const bool good = !OneIn(4);
    for (;;) {
        const std::size_t file = std::uniform_int_distribution<std::size_t>(0, files.size() - 1)(m_random);
        if (files[file].givens.has_value() == good) {
            return Event {.kind = EventKind::Load, .file = file};
        }
    }
}

std::string ScriptLine(const Event& event, const SessionFolder& folder)
{
    switch (event.kind) {
    case EventKind::Load:
        return "load " + folder.Files()[event.file].name;
    case EventKind::Cancel:
        return "cancel";
    case EventKind::Click:
        return "click " + std::string(event.button);
    case EventKind::Enter: {
        const std::string cell = std::to_string(event.row) + " " + std::to_string(event.column);
        return event.byUser ? "enter " + cell : "# Feld_EnterCell(" + cell + "), not a cell a user can enter";
    }
    case EventKind::Choose:
        return event.byUser
            ? "choose " + std::to_string(event.index)
            : "# wahl_Click(" + std::to_string(event.index) + "), not an entry a user can choose";
    }
    return "# ?";
}

} // namespace zifora::test
