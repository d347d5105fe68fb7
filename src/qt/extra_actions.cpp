// SPDX-License-Identifier: MIT
// The actions beyond the window's own controls, each with its key, all of them listed in one context menu:
// a new user finds there what the keys do.
#include "qt/main_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

namespace zifora {
namespace {

struct ExtraAction {
    const char* name; // the action's object name
    const char* text;
    QKeySequence::StandardKey keys;
    void (MainWindow::*run)();
    // Whether it would do something now; every action can when there is nothing to ask.
    bool (MainWindow::*possible)() const = nullptr;
};

constexpr ExtraAction kExtraActions[] = {
    {"RaetselEingeben", "Rätsel eingeben…", QKeySequence::New, &MainWindow::TypeIn},
    {"Einfuegen", "Einfügen", QKeySequence::Paste, &MainWindow::Paste, &MainWindow::CanPaste},
    {"Kopieren", "Kopieren", QKeySequence::Copy, &MainWindow::Copy},
    {"Drucken", "Drucken…", QKeySequence::Print, &MainWindow::Print},
};

} // namespace

// A text box with the focus may keep the copy key for text selected in it; elsewhere the keys mean the
// board.
void MainWindow::CreateExtraActions()
{
    for (const ExtraAction& extra : kExtraActions) {
        auto* action = new QAction(QString::fromUtf8(extra.text), this);
        action->setObjectName(QString::fromUtf8(extra.name));
        action->setShortcuts(extra.keys);
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
