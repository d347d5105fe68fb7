// SPDX-License-Identifier: MIT
// The window's keys: digits, Enter and Space on the board; Enter on a button or the check box; Escape, undo
// and redo wherever the focus is.
#include "qt/choice_list.h"
#include "qt/grid_view.h"
#include "qt/main_window.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <utility>

namespace zifora {
namespace {

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool HasSelectedText(const QObject& box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(&box)) {
        return line->hasSelectedText();
    }
    const auto* area = qobject_cast<const QPlainTextEdit*>(&box);
    return area != nullptr && area->textCursor().hasSelection();
}

} // namespace

void MainWindow::AcceptKeys()
{
    m_feld->installEventFilter(this);
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const ControlKind kind = kControls[index].kind;
        if (kind == ControlKind::Button || kind == ControlKind::CheckBox || kind == ControlKind::TextLine
            || kind == ControlKind::TextArea) {
            m_widgets[index]->installEventFilter(this);
        }
    }
    connect(m_feld, &QAbstractItemView::clicked, this, [this](const QModelIndex& cell) {
        EventStart start = StartEvent();
        m_form.Feld_Click(cell.row(), cell.column());
        EndEvent(std::move(start));
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        const bool listShown = m_wahl->isVisible();
        EventStart start = StartEvent();
        m_form.Form_Escape();
        EndEvent(std::move(start));
        if (listShown) {
            m_feld->setFocus(Qt::ShortcutFocusReason);
        }
    });
}

void MainWindow::Undo()
{
    const bool listHadFocus = m_wahl->hasFocus();
    m_history.Undo(m_form);
    ShowForm(listHadFocus);
}

void MainWindow::Redo()
{
    const bool listHadFocus = m_wahl->hasFocus();
    m_history.Redo(m_form);
    ShowForm(listHadFocus);
}

bool MainWindow::CanUndo() const
{
    return m_history.CanUndo();
}

bool MainWindow::CanRedo() const
{
    return m_history.CanRedo();
}

// Filtered rather than bound as shortcuts, which would take the key from whichever control has the focus.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A text box keeps the copy key for text selected in it; without a selection the key copies the board.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->setAccepted(HasSelectedText(*watched));
        return true;
    }
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto& key = static_cast<QKeyEvent&>(*event);
    if (watched == m_feld) {
        return KeyOnFeld(key);
    }
    // Enter presses the focused button or switches the check box, as Space does.
    if (auto* button = qobject_cast<QAbstractButton*>(watched); button != nullptr && IsEnter(key.key())) {
        button->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The list floats over the grid, far from it in the tab order: Enter takes a keyboard user into the shown
// list. A digit goes to the form, never to the grid's search for a cell whose text starts with it.
bool MainWindow::KeyOnFeld(const QKeyEvent& key)
{
    // Into the current cell's list only: a list left over another cell would take a choice there.
    if (IsEnter(key.key()) && m_form.ListOfCurrentCell()) {
        m_wahl->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    const QString text = key.text();
    const bool digit = text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('9');
    char typed = digit ? text[0].toLatin1() : ' ';
    if (IsEnter(key.key())) {
        typed = '\r';
    } else if (!digit && key.key() != Qt::Key_Space) {
        return false;
    }
    EventStart start = StartEvent();
    m_form.Feld_KeyPress(typed);
    EndEvent(std::move(start));
    return true;
}

} // namespace zifora
