// SPDX-License-Identifier: MIT
#include "qt/open_file_dialog.h"
#include "window_fixture.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

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

TEST(OpenFileDialog, ListsSizesAndDatesTheGermanWay)
{
    const QTemporaryDir folder;
    QFile file(folder.filePath("raetsel.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1536, '.'));
    file.flush();
    ASSERT_TRUE(
        file.setFileTime(QDateTime(QDate(2026, 3, 1), QTime(14, 5)), QFileDevice::FileModificationTime));
    file.close();
    OpenFileDialog chooser(nullptr, folder.path());
    QStringList shown;
    WhenShown([&](QFileDialog& dialog) {
        const auto* view = dialog.findChild<QTreeView*>("treeView");
        QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 1);
        const QModelIndex root = view->rootIndex();
        for (int column = 0; column < view->model()->columnCount(root); ++column) {
            shown.append(view->model()->index(0, column, root).data().toString());
        }
        dialog.reject();
    });
    chooser.ChooseFile(kPuzzleFiles);
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[1], "1,50 KiB");
    EXPECT_EQ(shown[3], "01.03.26 14:05");
}

} // namespace
} // namespace zifora::test
