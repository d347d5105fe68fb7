// SPDX-License-Identifier: MIT
#include "window_user.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <cstdlib>
#include <vector>

namespace zifora::test {
namespace {

template <typename Widget> Widget* Named(const MainWindow& window, const char* name)
{
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qFatal("the window has no control %s", name);
    }
    return widget;
}

// The arrow key that moves the current cell by (rows, columns), when that is one step.
std::optional<Qt::Key> ArrowFor(int rows, int columns)
{
    if (std::abs(rows) + std::abs(columns) != 1) {
        return std::nullopt;
    }
    if (rows != 0) {
        return rows < 0 ? Qt::Key_Up : Qt::Key_Down;
    }
    return columns < 0 ? Qt::Key_Left : Qt::Key_Right;
}

} // namespace

WindowUser::WindowUser(const SessionFolder& folder)
    : m_folder(folder)
    , m_window(m_form, &m_answer)
    , m_feld(Named<QTableWidget>(m_window, "Feld"))
    , m_wahl(Named<QListWidget>(m_window, "wahl"))
{
    m_window.show();
    m_window.activateWindow();
    // Keys reach the focused widget only in the active window.
    if (!QTest::qWaitForWindowActive(&m_window)) {
        qFatal("the window did not become active");
    }
}

Made WindowUser::Make(const Event& event, Input preferred)
{
    switch (event.kind) {
    case EventKind::Load:
        m_answer.SetAnswer(m_folder.PathOf(m_folder.Files()[event.file]));
        return Push(*Named<QPushButton>(m_window, "Los"), preferred);
    case EventKind::Cancel:
        m_answer.SetAnswer(std::nullopt);
        return Push(*Named<QPushButton>(m_window, "Los"), preferred);
    case EventKind::Click:
        return Push(*Named<QWidget>(m_window, std::string(event.button).c_str()), preferred);
    case EventKind::Enter:
        return Enter(event.row, event.column, preferred);
    case EventKind::Choose:
        return Choose(event.index, preferred);
    }
    return Made::Not;
}

// A disabled control takes the click and does nothing, but it cannot take the focus for a key.
Made WindowUser::Push(QWidget& control, Input preferred)
{
    const bool byKeys = control.isEnabled() && preferred == Input::Keys;
    if (!byKeys && ClickInside(control, control.rect())) {
        return Made::ByMouse;
    }
    if (!control.isEnabled()) {
        return Made::Not;
    }
    Focus(control);
    Press(Qt::Key_Space);
    return Made::ByKeys;
}

// The arrow keys reach only the four neighbours of the current cell.
Made WindowUser::Enter(int row, int column, Input preferred)
{
    const Grid& feld = m_form.State().board.Feld;
    const std::optional<Qt::Key> arrow = ArrowFor(row - feld.Row(), column - feld.Col());
    const bool byKeys = arrow && preferred == Input::Keys;
    QTableWidgetItem* cell = m_feld->item(row, column);
    if (!byKeys && cell != nullptr && ClickInside(*m_feld->viewport(), m_feld->visualItemRect(cell))) {
        return Made::ByMouse;
    }
    if (!arrow) {
        return Made::Not;
    }
    Focus(*m_feld);
    Press(*arrow);
    return Made::ByKeys;
}

// An entry that hangs past the window's bottom edge can still be reached from the top of the list.
Made WindowUser::Choose(int index, Input preferred)
{
    QListWidgetItem* entry = m_wahl->item(index);
    if (entry == nullptr || !m_wahl->isVisible()) {
        return Made::Not;
    }
    if (preferred == Input::Mouse && ClickInside(*m_wahl->viewport(), m_wahl->visualItemRect(entry))) {
        return Made::ByMouse;
    }
    Focus(*m_wahl);
    Press(Qt::Key_Home);
    Press(Qt::Key_Down, index);
    Press(Qt::Key_Return);
    return Made::ByKeys;
}

bool WindowUser::ClickInside(QWidget& target, const QRect& area)
{
    const QRect shown
        = QRect(target.mapTo(&m_window, area.topLeft()), area.size()).intersected(m_window.rect());
    if (shown.isEmpty()) {
        return false;
    }
    // The middle first, as a user aims; then the rest of the area on a coarse grid.
    std::vector<QPoint> aims {shown.center()};
    for (int down = 1; down < 4; ++down) {
        for (int across = 1; across < 4; ++across) {
            aims.push_back(shown.topLeft() + QPoint(shown.width() * across / 4, shown.height() * down / 4));
        }
    }
    for (const QPoint& aim : aims) {
        const QWidget* hit = m_window.childAt(aim);
        if (hit == &target || target.isAncestorOf(hit)) {
            QTest::mouseClick(m_window.windowHandle(), Qt::LeftButton, {}, aim);
            return true;
        }
    }
    return false;
}

void WindowUser::Focus(QWidget& target)
{
    target.setFocus(Qt::TabFocusReason);
}

void WindowUser::Press(Qt::Key key, int times)
{
    for (int time = 0; time < times; ++time) {
        QTest::keyClick(m_window.windowHandle(), key);
    }
}

} // namespace zifora::test
