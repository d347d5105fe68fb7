// SPDX-License-Identifier: MIT
#pragma once

#include "window/form_state.h"

#include <optional>
#include <string>
#include <utility>

namespace zifora {

// The open-file dialog as the form sees it: the real dialog in the window, a scripted answer elsewhere.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogSettings& settings) = 0;

protected:
    FileChooser() = default;
    FileChooser(const FileChooser&) = default;
    FileChooser& operator=(const FileChooser&) = default;
};

// Closes the dialog as told beforehand: Open with the answer, or Cancel when there is none. The replay tool,
// the tests and the benchmarks answer the dialog with it.
class AnswerChooser final : public FileChooser {
public:
    explicit AnswerChooser(std::optional<std::string> answer = std::nullopt)
        : m_answer(std::move(answer))
    {
    }
    std::optional<std::string> ChooseFile(const FileDialogSettings& /*settings*/) override
    {
        return m_answer;
    }

    const std::optional<std::string>& Answer() const { return m_answer; }
    void SetAnswer(std::optional<std::string> answer) { m_answer = std::move(answer); }

private:
    std::optional<std::string> m_answer;
};

} // namespace zifora
