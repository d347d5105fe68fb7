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
#include <QMimeData>
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
    EXPECT_EQ(form.State().Text1.text, "Fehler: Datei nicht lesbar: " + missing.toStdString());

    EXPECT_FALSE(Drop(window, {Easy(), Easy()})) << "one puzzle at a time";
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
        expected.Form_Paste(rows.toStdString());
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
