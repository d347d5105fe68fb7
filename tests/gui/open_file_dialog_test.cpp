// SPDX-License-Identifier: MIT
#include "window/qt/open_file_dialog.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <functional>

namespace zifora::test {
namespace {

const FileDialogSettings kPuzzleFiles {"Text (*.txt)|*.txt|alle (*.*)|*.*", 1};

// Runs answer on the dialog once it waits in its own event loop for the user (showing it may process events
// before that loop starts, and an answer then would be lost).
void WhenShown(const std::function<void(QFileDialog&)>& answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->isVisible() && QThread::currentThread()->loopLevel() > 0) {
            poll->stop();
            answer(*dialog);
            poll->deleteLater();
        }
    });
    poll->start(10);
}

// Types the path into the dialog's file name box and clicks Open, as the user does.
void Open(QFileDialog& dialog, const QString& path)
{
    dialog.findChild<QLineEdit*>("fileNameEdit")->setText(path);
    static_cast<QDialog&>(dialog).accept();
}

TEST(NameFilters, ShowEachDescriptionAndListEveryFileForStarDotStar)
{
    EXPECT_EQ(NameFilters(kPuzzleFiles.filter), QStringList({"Text (*.txt) (*.txt)", "alle (*.*) (*)"}));
    EXPECT_EQ(NameFilters("Puzzles|*.sdk;*.txt"), QStringList({"Puzzles (*.sdk *.txt)"}));
    EXPECT_EQ(NameFilters(""), QStringList());
}

TEST(OpenFileDialog, OpensOnTheFileChosenLastAfterACancelToo)
{
    OpenFileDialog chooser(nullptr);
    const QString easy = QFileInfo(QString::fromStdString(GuiTestFile("easy.txt"))).absoluteFilePath();
    WhenShown([&](QFileDialog& dialog) {
        dialog.selectNameFilter(dialog.nameFilters().at(1));
        Open(dialog, easy);
    });
    ASSERT_TRUE(chooser.ChooseFile(kPuzzleFiles));
    for (int use = 0; use < 2; ++use) {
        QStringList offered;
        QString selected;
        WhenShown([&](QFileDialog& dialog) {
            offered = dialog.selectedFiles();
            selected = dialog.selectedNameFilter();
            dialog.reject();
        });
        EXPECT_EQ(chooser.ChooseFile(kPuzzleFiles), std::nullopt);
        EXPECT_EQ(offered, QStringList({easy}));
        EXPECT_EQ(selected, "Text (*.txt)") << "the first entry each time";
    }
}

} // namespace
} // namespace zifora::test
