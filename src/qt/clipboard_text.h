// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

namespace zifora {

// The bytes the puzzle reader reads for a text from the clipboard.
std::string ClipboardBytes(const QString& text);

} // namespace zifora
