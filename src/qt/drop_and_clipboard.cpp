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
#include <utility>

namespace zifora {
namespace {

// One file of this machine, as a file manager drags it: one puzzle is loaded at a time.
QString DroppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    return data->urls().constFirst().toLocalFile();
}

// The puzzle reader reads one byte as one character, so a character beyond Latin-1 becomes one byte too
// (a "?", an open cell) and the cells of a line keep their places.
std::string ClipboardBytes()
{
    return QGuiApplication::clipboard()->text().toLatin1().toStdString();
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
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, [this] {
        EventStart start = StartEvent();
        m_form.Form_Paste(ClipboardBytes());
        EndEvent(std::move(start));
    });
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
        [this] { QGuiApplication::clipboard()->setText(Text(m_form.Form_Copy())); });
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString file = DroppedFile(event->mimeData());
    if (!file.isEmpty()) {
        event->acceptProposedAction();
        LoadFile(file);
    }
}

} // namespace zifora
