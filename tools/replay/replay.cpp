// SPDX-License-Identifier: MIT
#include "replay.h"

#include <charconv>
#include <fstream>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>
#include <utility>

namespace zifora {
namespace {

const char* ColourName(Colour colour)
{
    switch (colour) {
    case Colour::Default:
        return "default";
    case Colour::Window:
        return "window";
    case Colour::Green:
        return "green";
    case Colour::Red:
        return "red";
    case Colour::Yellow:
        return "yellow";
    case Colour::Cyan:
        return "cyan";
    case Colour::Magenta:
        return "magenta";
    case Colour::White:
        return "white";
    }
    return "default";
}

std::string LookText(const CellLook& look)
{
    std::string text = ColourName(look.back);
    text += look.weight == Weight::Bold ? " bold" : " normal";
    switch (look.align) {
    case Alignment::Default:
        return text + " default";
    case Alignment::Center:
        return text + " center";
    case Alignment::Right:
        return text + " right";
    }
    return text;
}

// Splits "word rest" at the first space.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view line)
{
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos) {
        return {line, {}};
    }
    return {line.substr(0, space), line.substr(space + 1)};
}

std::optional<int> ParseInt(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

nlohmann::ordered_json Dump(const FormState& state)
{
    const Board& board = state.board;
    nlohmann::ordered_json dump;
    auto& feld = dump["feld"] = nlohmann::ordered_json::array();
    for (int row = 0; row <= 9; ++row) {
        auto& line = feld.emplace_back(nlohmann::ordered_json::array());
        for (int column = 0; column <= 9; ++column) {
            line.push_back(board.Feld.TextMatrix(row, column));
        }
    }
    auto& looks = dump["looks"] = nlohmann::ordered_json::array();
    for (int row = 1; row <= 9; ++row) {
        auto& line = looks.emplace_back(nlohmann::ordered_json::array());
        for (int column = 1; column <= 9; ++column) {
            line.push_back(LookText(board.Feld.Look(row, column)));
        }
    }
    auto& gruppe = dump["gruppe"] = nlohmann::ordered_json::array();
    for (int boxRow = 0; boxRow < 3; ++boxRow) {
        auto& line = gruppe.emplace_back(nlohmann::ordered_json::array());
        for (int boxColumn = 0; boxColumn < 3; ++boxColumn) {
            line.push_back(board.Gruppe.TextMatrix(boxRow, boxColumn));
        }
    }
    auto& cellState = dump["cellState"] = nlohmann::ordered_json::array();
    for (int row = 1; row <= 9; ++row) {
        auto& line = cellState.emplace_back(nlohmann::ordered_json::array());
        for (int column = 1; column <= 9; ++column) {
            line.push_back(board.CellState(row, column));
        }
    }
    dump["testMode"] = board.TestMode;
    dump["solvedCount"] = board.SolvedCount;
    dump["fileName"] = board.FileName;
    dump["label2"] = {{"caption", board.Label2.caption}, {"back", ColourName(board.Label2.back)}};
    dump["text1"] = state.Text1.text;
    dump["text2"] = state.Text2.text;
    dump["wahl"]
        = {{"visible", state.wahl.visible}, {"items", state.wahl.items}, {"left", state.wahl.bounds.left},
            {"top", state.wahl.bounds.top}, {"height", state.wahl.bounds.height}};
    dump["enabled"] = {{"Reset", state.Enabled(state.Reset)}, {"TestOK", state.Enabled(state.TestOK)}};
    dump["current"] = {board.Feld.Row(), board.Feld.Col()};
    return dump;
}

std::string Replay::Run(std::string_view line, std::ostream& out)
{
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
        return {};
    }
    const auto [command, arguments] = SplitWord(line);
    if (command == "dump" && arguments.empty()) {
        out << Dump(m_form.State()).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return {};
    }
    if (command == "copy" && arguments.empty()) {
        Copy(out);
        return {};
    }
    // With nothing to take back or to redo, the keys do nothing, as in the window.
    if (command == "undo" && arguments.empty()) {
        m_history.Undo(m_form);
        return {};
    }
    if (command == "redo" && arguments.empty()) {
        m_history.Redo(m_form);
        return {};
    }
    // Every event passes the history, as every event of the window does.
    Form1 before = m_form;
    std::string problem = Event(command, arguments);
    m_history.Record(std::move(before), m_form);
    return problem;
}

std::string Replay::Event(std::string_view command, std::string_view arguments)
{
    if (command == "load" && !arguments.empty()) {
        AnswerChooser chooser = Answers(std::string(arguments));
        m_form.Los_Click(chooser);
        Answered(chooser);
        return {};
    }
    if (command == "cancel" && arguments.empty()) {
        AnswerChooser chooser = Answers();
        m_form.Los_Click(chooser);
        Answered(chooser);
        return {};
    }
    if (command == "pick") {
        return Pick(arguments);
    }
    if (command == "type") {
        if (arguments.size() != 81) {
            return "type needs the 81 cells of a puzzle, row by row: " + std::string(arguments);
        }
        m_form.Form_Type(arguments);
        return {};
    }
    if (command == "click") {
        return Click(arguments);
    }
    if (command == "enter") {
        return Enter(arguments);
    }
    if (command == "choose") {
        return Choose(arguments);
    }
    if (command == "key") {
        return Key(arguments);
    }
    if (command == "paste") {
        return Paste(arguments);
    }
    return "unknown command: " + std::string(command) + (arguments.empty() ? "" : " ")
        + std::string(arguments);
}

std::string Replay::Click(std::string_view name)
{
    // "Datei" asks for a file: load and cancel click it.
    const Control* control = FindControl(name);
    const auto* handler = control != nullptr ? std::get_if<ClickHandler>(&control->handler) : nullptr;
    if (handler == nullptr) {
        return "no such control to click: " + std::string(name);
    }
    (m_form.**handler)();
    return {};
}

std::string Replay::Enter(std::string_view arguments)
{
    const auto [rowText, columnText] = SplitWord(arguments);
    const std::optional<int> row = ParseInt(rowText);
    const std::optional<int> column = ParseInt(columnText);
    if (!row || !column || *row < 1 || *row > 9 || *column < 1 || *column > 9) {
        return "enter needs a board cell R C with both in 1..9: " + std::string(arguments);
    }
    m_form.Feld_EnterCell(*row, *column);
    return {};
}

std::string Replay::Choose(std::string_view arguments)
{
    const std::optional<int> index = ParseInt(arguments);
    const ListBox& wahl = m_form.State().wahl;
    if (!wahl.visible) {
        return "choose while the list wahl is hidden";
    }
    if (!index || *index < 0 || static_cast<std::size_t>(*index) >= wahl.items.size()) {
        return "the list wahl has no entry " + std::string(arguments);
    }
    m_form.wahl_Click(*index);
    return {};
}

// A key typed on the board: a digit, Enter or Space; or Escape, which acts wherever the focus is.
std::string Replay::Key(std::string_view name)
{
    if (name == "Escape") {
        m_form.Form_Escape();
    } else if (name == "Enter" || name == "Space") {
        m_form.Feld_KeyPress(name == "Enter" ? '\r' : ' ');
    } else if (name.size() == 1 && name[0] >= '1' && name[0] <= '9') {
        m_form.Feld_KeyPress(name[0]);
    } else {
        return "key needs a digit 1..9, Enter, Space or Escape: " + std::string(name);
    }
    return {};
}

// "paste FILE" puts the file's bytes on the clipboard first; "paste" alone pastes what is there.
std::string Replay::Paste(std::string_view path)
{
    if (!path.empty()) {
        std::ifstream file {std::string(path), std::ios::binary};
        if (!file) {
            return "paste cannot read " + std::string(path);
        }
        m_clipboard.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    AnswerChooser chooser = Answers();
    m_form.Form_Paste(m_clipboard, chooser);
    Answered(chooser);
    return {};
}

std::string Replay::Pick(std::string_view number)
{
    const std::optional<int> pick = ParseInt(number);
    if (!pick || *pick < 0) {
        return "pick needs the number of a puzzle, or 0 for Cancel: " + std::string(number);
    }
    m_pick = pick;
    return {};
}

AnswerChooser Replay::Answers(std::optional<std::string> path)
{
    return AnswerChooser(std::move(path), m_pick);
}

void Replay::Answered(const AnswerChooser& chooser)
{
    if (chooser.Asked()) {
        m_pick.reset();
    }
}

void Replay::Copy(std::ostream& out)
{
    m_clipboard = m_form.Form_Copy();
    out << nlohmann::ordered_json {{"clipboard", m_clipboard}}.dump() << '\n';
}

int RunScript(std::istream& script, std::ostream& out, std::ostream& err)
{
    Form1 form;
    Replay replay(form);
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        const std::string problem = replay.Run(line, out);
        if (!problem.empty()) {
            err << "zifora-replay: line " << number << ": " << problem << '\n';
            return 2;
        }
    }
    return 0;
}

} // namespace zifora
