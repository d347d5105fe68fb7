// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls.h"

#include <optional>
#include <string>

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

} // namespace zifora
