// SPDX-License-Identifier: MIT
// The context menu, opened by a right click or the Menu key, lists every action beyond the window's own
// controls with its key, greyed when it would do nothing, and each entry does what its key does.
#include "window_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

namespace zifora::test {
namespace {

struct Entry {
    QString text;
    QString keys;
    bool enabled;
    friend bool operator==(const Entry&, const Entry&) = default;
};

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << entry.text.toStdString() << " [" << entry.keys.toStdString() << "]"
         << (entry.enabled ? "" : " grey");
}

// Runs answer on the menu once it is open.
void WhenMenuShown(const std::function<void(QMenu&)>& answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            poll->stop();
            answer(*menu);
            poll->deleteLater();
        }
    });
    poll->start(10);
}

TEST_F(WindowTest, ContextMenuListsEveryExtraActionWithItsKey)
{
    std::vector<Entry> shown;
    const auto read = [&shown](QMenu& menu) {
        shown.clear();
        for (const QAction* action : menu.actions()) {
            shown.push_back(
                {action->text(), action->shortcut().toString(QKeySequence::NativeText), action->isEnabled()});
        }
    };
    QGuiApplication::clipboard()->clear();
    WhenMenuShown([&](QMenu& menu) {
        read(menu);
        menu.close();
    });
    // Through the window system, which turns the click into a request for the context menu.
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {},
        Feld()->viewport()->mapTo(&window, CellCorner(5, 5) + QPoint(3, 3)));
    // Nothing to take back yet, and the window at its opening size, the largest the test's screen allows.
    const std::vector<Entry> expected {{"Rätsel eingeben…", "Ctrl+N", true}, {"Einfügen", "Ctrl+V", false},
        {"Kopieren", "Ctrl+C", true}, {"Drucken…", "Ctrl+P", true}, {"Rückgängig", "Ctrl+Z", false},
        {"Wiederherstellen", "Ctrl+Shift+Z", false}, {"Größer", "Ctrl++", false},
        {"Kleiner", "Ctrl+-", false}, {"Normale Größe", "Ctrl+0", false}};
    EXPECT_EQ(shown, expected);

    // With something on the clipboard, paste is possible; chosen from the menu, it pastes.
    const FormState beforePaste = form.State();
    QGuiApplication::clipboard()->setText(
        "39...2......37..2.5.......6......6.........5.62.9....8.3.5..8.7...63...586..472.9");
    WhenMenuShown([&](QMenu& menu) {
        read(menu);
        menu.actions().at(1)->trigger();
        menu.close();
    });
    // What the window system makes of the Menu key, sent to the widget with the focus.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, Feld()->mapToGlobal(QPoint()));
    QApplication::sendEvent(Feld(), &menuKey);
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown[1].enabled);
    EXPECT_EQ(form.State().Text2.text, "Zwischenablage");

    // The paste can be taken back, from the menu too.
    WhenMenuShown([&](QMenu& menu) {
        read(menu);
        menu.actions().at(4)->trigger();
        menu.close();
    });
    QApplication::sendEvent(Feld(), &menuKey);
    ASSERT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown[4].enabled);
    EXPECT_EQ(form.State(), beforePaste);
}

} // namespace
} // namespace zifora::test
