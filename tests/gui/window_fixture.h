// SPDX-License-Identifier: MIT
#pragma once

#include "qt/main_window.h"
#include "window/form.h"

#include <QApplication>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

// Shows Qt's texts readably in the messages of failed checks.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class QFileDialog;
class QInputDialog;

namespace zifora::test {

// Runs answer on the modal dialog of the type once it waits in its own event loop for the user.
template <typename Dialog, typename Answer> void WhenModal(Answer answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible() && QThread::currentThread()->loopLevel() > 0) {
            poll->stop();
            answer(*dialog);
            poll->deleteLater();
        }
    });
    poll->start(10);
}

// Runs answer on the dialog once it waits in its own event loop for the user (showing it may process events
// before that loop starts, and an answer then would be lost).
void WhenShown(const std::function<void(QFileDialog&)>& answer);
// The same for the question which puzzle of a collection to open.
void WhenAsked(const std::function<void(QInputDialog&)>& answer);

// The path of a file kept beside these tests.
std::string GuiTestFile(const std::string& name);

// A shown window on a fresh form, driven by real mouse clicks and key presses.
class WindowTest : public testing::Test {
protected:
    WindowTest();

    template <typename Widget> Widget* Control(const char* name) const
    {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << "no control " << name;
        return widget;
    }
    QTableWidget* Feld() const { return Control<QTableWidget>("Feld"); }

    // One user action: "click NAME" (a control's middle), "cell R C" (a Feld cell's middle), "entry I" (an
    // entry of wahl), "select I" (highlights an entry of wahl), "key NAME KEY" (Left, Right, Up, Down,
    // Return, Space), "load FILE" (clicks "Datei" and picks a file kept beside these tests).
    void Do(const std::string& action);
    // The top-left corner of a Feld cell in the grid's own picture.
    QPoint CellCorner(int row, int column) const;

    Form1 form;
    AnswerChooser chooser;
    MainWindow window {form, &chooser};
};

// Every widget of the window shows exactly what the form holds, down to the painted colour of each cell.
void ExpectShowsForm(const MainWindow& window, const FormState& state);

} // namespace zifora::test
