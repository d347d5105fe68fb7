// SPDX-License-Identifier: MIT
// The ways into the window that a desktop offers beside its own buttons: a file dropped from a file manager
// and the clipboard. Each is a load through the form, like a file chosen in the dialog.
#include "qt/control_widgets.h"
#include "qt/main_window.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

namespace zifora {
namespace {

// The files of this machine that a file manager drags or copies; nothing when anything else comes along.
QStringList LocalFiles(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            return {};
        }
        files.append(url.toLocalFile());
    }
    return files;
}

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

} // namespace

void MainWindow::AcceptFilesAndClipboard()
{
    setAcceptDrops(true);
    // The text boxes would take a dragged file as text to insert; the window takes it wherever it falls.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setAcceptDrops(false);
    }
    // A text box with the focus may keep the copy key for text selected in it; elsewhere both keys mean the
    // board.
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &MainWindow::Paste);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
        [this] { QGuiApplication::clipboard()->setText(Text(m_form.Form_Copy())); });
}

// A file copied in the file manager opens as a dropped one does; text is read as a puzzle file's bytes.
void MainWindow::Paste()
{
    const QStringList files = LocalFiles(QGuiApplication::clipboard()->mimeData());
    if (!files.isEmpty()) {
        OpenFiles(files);
        return;
    }
    m_form.Form_Paste(ClipboardBytes(QGuiApplication::clipboard()->text()), m_chooser);
    Render();
}

void MainWindow::OpenFiles(const QStringList& files)
{
    if (files.size() == 1) {
        LoadFile(files.constFirst());
        return;
    }
    m_form.Form_DropMany();
    Render();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (!files.isEmpty()) {
        event->acceptProposedAction();
        OpenFiles(files);
    }
}

} // namespace zifora
