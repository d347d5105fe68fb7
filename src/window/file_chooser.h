// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls.h"

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

// Closes the dialog as told beforehand: Open with answer, or Cancel when there is none. The replay tool,
// the tests and the benchmarks answer the dialog with it; it keeps the settings it was last shown.
class AnswerChooser final : public FileChooser {
public:
    explicit AnswerChooser(std::optional<std::string> answer = std::nullopt)
        : answer(std::move(answer))
    {
    }
    std::optional<std::string> ChooseFile(const FileDialogSettings& settings) override
    {
        lastShown = settings;
        ++timesShown;
        return answer;
    }

    std::optional<std::string> answer;
    std::optional<FileDialogSettings> lastShown;
    int timesShown = 0;
};

} // namespace zifora
