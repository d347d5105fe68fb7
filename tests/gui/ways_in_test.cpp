// SPDX-License-Identifier: MIT
// The ways in that only the window has: a file named on the command line or dropped on the window, which
// the real dialog then offers, and the paste and copy keys on the real clipboard.
#include "qt/start_up.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace zifora::test {
namespace {

QString Easy()
{
    return QFileInfo(QString::fromStdString(GuiTestFile("easy.txt"))).absoluteFilePath();
}

// Drags the files over the window and lets them go there; whether the window took them.
bool Drop(MainWindow& window, const QStringList& files)
{
    QList<QUrl> urls;
    for (const QString& file : files) {
        urls.append(QUrl::fromLocalFile(file));
    }
    QMimeData data;
    data.setUrls(urls);
    const QPointF middle = window.rect().center();
    QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

TEST(WaysIn, FileFromTheCommandLineOrDroppedLoadsAsIfChosenInTheDialog)
{
    Form1 form;
    MainWindow window(form); // with its own dialog
    window.show();
    const QString missing = Easy() + ".fehlt";
    Form1 chosen;
    AnswerChooser answer(missing.toStdString());
    chosen.Los_Click(answer);

    window.LoadFile(missing);
    EXPECT_EQ(form.State(), chosen.State());
    EXPECT_EQ(form.State().Text1.text, "Fehler: Datei nicht gefunden: easy.txt.fehlt");

    EXPECT_TRUE(Drop(window, {Easy()}));
    answer.SetAnswer(Easy().toStdString());
    chosen.Los_Click(answer);
    EXPECT_EQ(form.State(), chosen.State());
    ExpectShowsForm(window, form.State());

    QStringList offered;
    WhenShown([&](QFileDialog& dialog) {
        offered = dialog.selectedFiles();
        dialog.reject();
    });
    QTest::mouseClick(window.findChild<QWidget*>("Los"), Qt::LeftButton);
    EXPECT_EQ(offered, QStringList({Easy()}));
}

// A file of several puzzles asks which one in a German dialog that proposes the one after the puzzle on the
// board; Cancel changes nothing at all. Two files dropped at once are refused; a file copied in the file
// manager opens when pasted, as a dropped one does.
TEST(WaysIn, CollectionsAskWhichPuzzleAndOneFileComesAtATime)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("sammlung.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("39...2......37..2.5.......6......6.........5.62.9....8.3.5..8.7...63...586..472.9\n"
               "..3.2.6..9..3.5..1..18.64....81.29..7.......8..67.82....26.95..8..2.3..9..5.1.3..\n");
    file.close();
    Form1 form;
    MainWindow window(form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QString question;
    std::vector<int> shown; // proposal, lowest, highest
    WhenAsked([&](QInputDialog& dialog) {
        question = dialog.labelText();
        shown = {dialog.intValue(), dialog.intMinimum(), dialog.intMaximum()};
        dialog.setIntValue(2);
        dialog.accept();
    });
    window.LoadFile(path);
    EXPECT_EQ(question, "Die Datei enthält 2 Rätsel. Welches soll geöffnet werden?");
    EXPECT_EQ(shown, std::vector<int>({1, 1, 2}));
    EXPECT_EQ(form.State().Text2.text, path.toStdString() + " (Rätsel 2 von 2)");

    const FormState before = form.State();
    WhenAsked([&](QInputDialog& dialog) {
        shown = {dialog.intValue()};
        dialog.reject();
    });
    EXPECT_TRUE(Drop(window, {path}));
    EXPECT_EQ(shown, std::vector<int>({1})) << "after the last, the first";
    EXPECT_EQ(form.State(), before);

    EXPECT_TRUE(Drop(window, {path, Easy()}));
    FormState refused = before;
    refused.Text1.text = "Fehler: bitte nur eine Datei ablegen";
    EXPECT_EQ(form.State(), refused);

    auto* copied = new QMimeData;
    copied->setUrls({QUrl::fromLocalFile(Easy())});
    copied->setText(Easy());
    QGuiApplication::clipboard()->setMimeData(copied);
    window.activateWindow(); // the dialogs took the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.findChild<QWidget*>("Feld"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.State().Text1.text, "");
    EXPECT_EQ(form.State().Text2.text, Easy().toStdString());
    EXPECT_EQ(form.State().board.FileName, Easy().toStdString());
    ExpectShowsForm(window, form.State());
}

TEST_F(WindowTest, PasteKeysLoadTheClipboardAndTheCopyKeyPutsTheBoardOnIt)
{
    // easy.txt as one line of 81 cells, its open cells a character beyond Latin-1, as a web page may show.
    const QString rows = QStringLiteral("39...2......37..2.5.......6......6.........5.62.9....8"
                                        ".3.5..8.7...63...586..472.9");
    QString fromWebPage = rows;
    fromWebPage.replace(QLatin1Char('.'), QChar(0x2022));

    for (const QKeyCombination paste : {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}) {
        Do("load leer.txt"); // refused: a file that does not exist
        QGuiApplication::clipboard()->setText(fromWebPage);
        QTest::keyClick(Feld(), paste.key(), paste.keyboardModifiers());
        Form1 expected;
        AnswerChooser refused(GuiTestFile("leer.txt"));
        expected.Los_Click(refused);
        expected.Form_Paste(rows.toStdString(), refused);
        EXPECT_EQ(form.State(), expected.State());
        ExpectShowsForm(window, form.State());
    }

    // Wherever the focus is, unless text is selected in a text box: then the text. The report's lines end in
    // a carriage return and a line feed; the box shows plain line breaks.
    Do("click Testen");
    const QString report = QString::fromStdString(form.State().Text1.text).replace("\r\n", "\n");
    ASSERT_FALSE(report.isEmpty());
    const struct {
        const char* focus;
        bool selectAll;
        QString copied;
    } copies[] = {
        {"Feld", false, rows},
        {"Text2", false, rows},
        {"Text2", true, "Zwischenablage"},
        {"Text1", true, report},
    };
    for (const auto& [focus, selectAll, copied] : copies) {
        SCOPED_TRACE(focus);
        QWidget* control = Control<QWidget>(focus);
        control->setFocus();
        if (selectAll) {
            QMetaObject::invokeMethod(control, "selectAll");
        }
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(control, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
    }
}

// A file named on the command line reads as the dialog would hand it back, absolute; the help, the version
// and a mistake end the program at once.
TEST(WaysIn, CommandLineNamesAFileOrEndsTheProgram)
{
    const struct {
        QStringList arguments;
        std::optional<int> status;
        QString file;
    } rows[] = {
        {{"zifora"}, std::nullopt, ""},
        {{"zifora", "leicht.txt"}, std::nullopt, QDir::current().absoluteFilePath("leicht.txt")},
        {{"zifora", "/tmp/leicht.txt"}, std::nullopt, "/tmp/leicht.txt"},
        {{"zifora", "leicht.txt", "schwer.txt"}, 2, ""},
        {{"zifora", "--gibt-es-nicht"}, 2, ""},
        {{"zifora", "--version"}, 0, ""},
        {{"zifora", "-h"}, 0, ""},
    };
    for (const auto& row : rows) {
        const CommandLine read = ReadCommandLine(row.arguments);
        EXPECT_EQ(read.exitStatus, row.status) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(read.file, row.file);
    }
}

} // namespace
} // namespace zifora::test
