// SPDX-License-Identifier: MIT
// The actions beyond the window's own controls, each with its key, all of them listed in one context menu:
// a new user finds there what the keys do.
#include "qt/main_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <array>

namespace zifora {
namespace {

struct ExtraAction {
    const char* name; // the action's object name
    const char* text;
    // The desktop's keys for it, and those that people type for it too.
    QKeySequence::StandardKey keys;
    std::array<QKeyCombination, 2> moreKeys;
    void (MainWindow::*run)();
    // Whether it would do something now; every action can when there is nothing to ask.
    bool (MainWindow::*possible)() const = nullptr;
};

constexpr std::array<QKeyCombination, 2> kNoKeys {};

constexpr ExtraAction kExtraActions[] = {
    {"RaetselEingeben", "Rätsel eingeben…", QKeySequence::New, kNoKeys, &MainWindow::TypeIn},
    {"Einfuegen", "Einfügen", QKeySequence::Paste, kNoKeys, &MainWindow::Paste, &MainWindow::CanPaste},
    {"Kopieren", "Kopieren", QKeySequence::Copy, kNoKeys, &MainWindow::Copy},
    {"Drucken", "Drucken…", QKeySequence::Print, kNoKeys, &MainWindow::Print},
    {"Rueckgaengig", "Rückgängig", QKeySequence::Undo, kNoKeys, &MainWindow::Undo, &MainWindow::CanUndo},
    // Desktops differ on the keys for redo: these are the two every one of them knows.
    {"Wiederherstellen", "Wiederherstellen", QKeySequence::UnknownKey,
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}, &MainWindow::Redo, &MainWindow::CanRedo},
    {"Groesser", "Größer", QKeySequence::ZoomIn, {Qt::CTRL | Qt::Key_Equal}, &MainWindow::ZoomIn,
        &MainWindow::CanZoomIn},
    {"Kleiner", "Kleiner", QKeySequence::ZoomOut, kNoKeys, &MainWindow::ZoomOut, &MainWindow::CanZoomOut},
    {"NormaleGroesse", "Normale Größe", QKeySequence::UnknownKey, {Qt::CTRL | Qt::Key_0},
        &MainWindow::ZoomBack, &MainWindow::Zoomed},
};

// The desktop's keys first, as the menu shows the first.
QList<QKeySequence> KeysOf(const ExtraAction& extra)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(extra.keys);
    for (const QKeyCombination more : extra.moreKeys) {
        if (more != QKeyCombination() && !keys.contains(QKeySequence(more))) {
            keys.append(QKeySequence(more));
        }
    }
    return keys;
}

} // namespace

// A text box with the focus may keep the copy key for text selected in it; elsewhere the keys mean the
// board.
void MainWindow::CreateExtraActions()
{
    for (const ExtraAction& extra : kExtraActions) {
        auto* action = new QAction(QString::fromUtf8(extra.text), this);
        action->setObjectName(QString::fromUtf8(extra.name));
        action->setShortcuts(KeysOf(extra));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, extra.run);
        addAction(action);
        m_extraActions.push_back(action);
    }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Kontextmenue"));
    for (std::size_t index = 0; index < m_extraActions.size(); ++index) {
        const auto possible = kExtraActions[index].possible;
        m_extraActions[index]->setEnabled(possible == nullptr || (this->*possible)());
        menu.addAction(m_extraActions[index]);
    }
    menu.exec(event->globalPos());
    // The keys work whenever the action can; the menu's greying is for the menu.
    for (QAction* action : m_extraActions) {
        action->setEnabled(true);
    }
}

} // namespace zifora
