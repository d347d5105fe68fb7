// SPDX-License-Identifier: MIT
#include "qt/open_file_dialog.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

namespace zifora::test {
namespace {

const FileDialogSettings kPuzzleFiles {"Text (*.txt)|*.txt|alle (*.*)|*.*", 1};

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

TEST(OpenFileDialog, OpensInTheFirstFolderThenOnTheFileChosenLastAfterACancelToo)
{
    const QTemporaryDir samples;
    OpenFileDialog chooser(nullptr, samples.path());
    const QString easy = QFileInfo(QString::fromStdString(GuiTestFile("easy.txt"))).absoluteFilePath();
    QString firstFolder;
    WhenShown([&](QFileDialog& dialog) {
        firstFolder = dialog.directory().absolutePath();
        dialog.selectNameFilter(dialog.nameFilters().at(1));
        Open(dialog, easy);
    });
    ASSERT_TRUE(chooser.ChooseFile(kPuzzleFiles));
    EXPECT_EQ(firstFolder, QFileInfo(samples.path()).absoluteFilePath());
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
