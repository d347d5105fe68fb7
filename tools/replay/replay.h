// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls.h"
#include "window/form.h"
#include "window/history.h"

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace zifora {

// The whole visible state of the form as one JSON object, keys in a fixed order.
nlohmann::ordered_json Dump(const FormState& state);

// Drives a form with the commands of an event script, one line at a time, as the window's events would.
class Replay {
public:
    explicit Replay(Form1& form)
        : m_form(form)
    {
    }

    // Runs one script line, writing a dump to out. Returns an empty string, or why the line is not something
    // a user could do.
    std::string Run(std::string_view line, std::ostream& out);

private:
    // One event of the window, which the history may take back.
    std::string Event(std::string_view command, std::string_view arguments);
    std::string Click(std::string_view name);
    std::string Enter(std::string_view arguments);
    std::string Choose(std::string_view arguments);
    std::string Key(std::string_view name);
    std::string Paste(std::string_view path);
    std::string Pick(std::string_view number);
    // Answers the dialogs of the next load: the file dialog with path, or Cancel when there is none, and the
    // question which puzzle of a collection with the number picked beforehand.
    AnswerChooser Answers(std::optional<std::string> path = std::nullopt);
    // A pick answers the next question only: once one was asked it is used up.
    void Answered(const AnswerChooser& chooser);
    void Copy(std::ostream& out);

    Form1& m_form;
    History m_history;
    // What the script's copy left on the clipboard, or the file its last paste read.
    std::string m_clipboard;
    // The answer to the next question which puzzle of a collection to open (0 = Cancel); without one the
    // proposal is taken.
    std::optional<int> m_pick;
};

// Runs a whole script on a fresh form. Returns the exit status: 0, or 2 after a line that stopped it.
int RunScript(std::istream& script, std::ostream& out, std::ostream& err);

} // namespace zifora
