// SPDX-License-Identifier: MIT
#include "qt/clipboard_text.h"

namespace zifora {

// The reader reads one byte as one character, so that the cells of a plain row keep their places: a
// character of Latin-1 is its byte, one beyond it a "?" (an open cell, as a web page's dot may be), and a
// no-break space a space. Only box drawing keeps its UTF-8 bytes, which the reader knows as a grid's lines.
std::string ClipboardBytes(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code == 0xA0) {
            bytes += ' ';
        } else if (code <= 0xFF) {
            bytes += static_cast<char>(code);
        } else if (code >= 0x2500 && code <= 0x257F) {
            bytes += QString(character).toUtf8().toStdString();
        } else {
            bytes += '?';
        }
    }
    return bytes;
}

} // namespace zifora
