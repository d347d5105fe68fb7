// SPDX-License-Identifier: MIT
// The ways in and out that a desktop offers beside the window's own buttons: a file dropped from a file
// manager, the clipboard, a puzzle typed in, and the board printed. A way in is a load through the form,
// like a file chosen in the dialog.
#include "qt/clipboard_text.h"
#include "qt/control_widgets.h"
#include "qt/entry_dialog.h"
#include "qt/main_window.h"
#include "qt/print_page.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <utility>

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

} // namespace

void MainWindow::AcceptDrops()
{
    setAcceptDrops(true);
    // The text boxes would take a dragged file as text to insert; the window takes it wherever it falls.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setAcceptDrops(false);
    }
}

void MainWindow::Copy()
{
    QGuiApplication::clipboard()->setText(Text(m_form.Form_Copy()));
}

bool MainWindow::CanPaste() const
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr && (mime->hasText() || !LocalFiles(mime).isEmpty());
}

void MainWindow::Print()
{
    PrintForm(this, m_form.State());
}

// A file copied in the file manager opens as a dropped one does; text is read as a puzzle file's bytes.
void MainWindow::Paste()
{
    const QStringList files = LocalFiles(QGuiApplication::clipboard()->mimeData());
    if (!files.isEmpty()) {
        OpenFiles(files);
        return;
    }
    EventStart start = StartEvent();
    m_form.Form_Paste(ClipboardBytes(QGuiApplication::clipboard()->text()), m_chooser);
    EndEvent(std::move(start));
}

void MainWindow::TypeIn()
{
    EntryDialog dialog(this, m_form.Givens(), m_scale.Factor());
    if (dialog.exec() == QDialog::Accepted) {
        EventStart start = StartEvent();
        m_form.Form_Type(dialog.Cells());
        EndEvent(std::move(start));
    }
}

void MainWindow::OpenFiles(const QStringList& files)
{
    if (files.size() == 1) {
        LoadFile(files.constFirst());
        return;
    }
    EventStart start = StartEvent();
    m_form.Form_DropMany();
    EndEvent(std::move(start));
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
