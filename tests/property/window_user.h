// SPDX-License-Identifier: MIT
#pragma once

#include "session_generator.h"
#include "window/form.h"
#include "window/qt/main_window.h"

#include <cstdint>
#include <optional>
#include <string>

class QListWidget;
class QTableWidget;

namespace zifora::test {

// How a user would rather make an event: clicking it, or with the keys on the widget they tabbed to.
enum class Input : std::uint8_t { Mouse, Keys };
// How the event was made; Not when no user could make it, so that it never reached the window.
enum class Made : std::uint8_t { ByMouse, ByKeys, Not };

// The real window on a fresh form, shown and active, and a user making the events of a session through it.
// Clicks go to the window at a point where Qt's own hit test finds the widget meant, so that a widget the
// list covers, or that lies past the window's edge, cannot be clicked; key presses go to whichever widget
// has the focus.
class WindowUser {
public:
    explicit WindowUser(const SessionFolder& folder);
    WindowUser(const WindowUser&) = delete;
    WindowUser& operator=(const WindowUser&) = delete;

    // Makes the event the way preferred says where a user could, else the other way, else not at all.
    Made Make(const Event& event, Input preferred);

    const Form1& Form() const { return m_form; }
    MainWindow& Window() { return m_window; }
    const MainWindow& Window() const { return m_window; }

private:
    Made Push(QWidget& control, Input preferred);
    Made Enter(int row, int column, Input preferred);
    Made Choose(int index, Input preferred);
    // Clicks a point of area (in target's coordinates) where the click reaches target, if it has one.
    bool ClickInside(QWidget& target, const QRect& area);
    // Gives target the focus, as the Tab key would.
    static void Focus(QWidget& target);
    void Press(Qt::Key key, int times = 1);

    const SessionFolder& m_folder;
    Form1 m_form;
    AnswerChooser m_answer;
    MainWindow m_window;
    QTableWidget* m_feld;
    QListWidget* m_wahl;
};

} // namespace zifora::test
