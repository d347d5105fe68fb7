// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace zifora {

// Where a puzzle arrived from: a file, whichever way it came, or the clipboard.
enum class PuzzleSource : std::uint8_t { File, Clipboard };

// The question when a file or a paste holds several puzzles: which one to open.
struct PuzzleQuestion {
    PuzzleSource source;
    int count;
    int proposal; // 1..count
    friend bool operator==(const PuzzleQuestion&, const PuzzleQuestion&) = default;
};

// The question as the dialog asks it.
inline std::string QuestionText(const PuzzleQuestion& question)
{
    const char* holder = question.source == PuzzleSource::File ? "Die Datei" : "Die Zwischenablage";
    return std::string(holder) + " enthält " + std::to_string(question.count)
        + " Rätsel. Welches soll geöffnet werden?";
}

// The dialog that asks which puzzle of a collection to open: the real one in the window, a scripted answer
// elsewhere.
class PuzzleChooser {
public:
    virtual ~PuzzleChooser() = default;
    // The number 1..count of the puzzle to open, or nothing when the user cancelled.
    virtual std::optional<int> ChoosePuzzle(const PuzzleQuestion& question) = 0;

protected:
    PuzzleChooser() = default;
    PuzzleChooser(const PuzzleChooser&) = default;
    PuzzleChooser& operator=(const PuzzleChooser&) = default;
};

// The open-file dialog as the form sees it, with the question that may follow it.
class FileChooser : public PuzzleChooser {
public:
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogSettings& settings) = 0;
};

// Closes the dialogs as told beforehand: the file dialog with Open and the answer, or with Cancel when there
// is none; the question with the number picked (0 for Cancel), or with its proposal when none was. The
// replay tool, the tests and the benchmarks answer the dialogs with it.
class AnswerChooser final : public FileChooser {
public:
    explicit AnswerChooser(
        std::optional<std::string> answer = std::nullopt, std::optional<int> pick = std::nullopt)
        : m_answer(std::move(answer))
        , m_pick(pick)
    {
    }
    std::optional<std::string> ChooseFile(const FileDialogSettings& /*settings*/) override
    {
        return m_answer;
    }
    std::optional<int> ChoosePuzzle(const PuzzleQuestion& question) override
    {
        m_asked = question;
        if (!m_pick) {
            return question.proposal;
        }
        return *m_pick == 0 ? std::nullopt : m_pick;
    }

    const std::optional<std::string>& Answer() const { return m_answer; }
    void SetAnswer(std::optional<std::string> answer) { m_answer = std::move(answer); }
    // The last question asked, if any.
    const std::optional<PuzzleQuestion>& Asked() const { return m_asked; }

private:
    std::optional<std::string> m_answer;
    std::optional<int> m_pick;
    std::optional<PuzzleQuestion> m_asked;
};

} // namespace zifora
