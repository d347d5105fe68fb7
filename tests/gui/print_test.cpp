// SPDX-License-Identifier: MIT
// The board printed into a PDF file and read back at 600 dpi in grey: every digit stands in the cell where
// the page puts the form's cell, the summaries the solved board left empty print nothing, and without colour
// the givens still differ from the digits the steps placed, by their frame.
#include "qt/print_page.h"
#include "window_fixture.h"

#include <QImageReader>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace zifora::test {
namespace {

constexpr double kDotsPerInch = 600;

// Whether any pixel of the area is dark, as ink is.
bool Inked(const QImage& page, const QRectF& area)
{
    for (int y = static_cast<int>(area.top()); y < static_cast<int>(area.bottom()); ++y) {
        for (int x = static_cast<int>(area.left()); x < static_cast<int>(area.right()); ++x) {
            if (qGray(page.pixel(x, y)) < 100) {
                return true;
            }
        }
    }
    return false;
}

TEST(PrintedPage, DigitsStandInTheirCellsAndTheLooksReadWithoutColour)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is missing";
    }
    Form1 form;
    AnswerChooser easy(GuiTestFile("easy.txt"));
    form.Los_Click(easy);
    for (int round = 0; round < 20 && form.State().board.SolvedCount < 81; ++round) {
        form.Einzelne_Click();
        form.Zellen_Click();
        form.D2er_Click();
    }
    ASSERT_EQ(form.State().board.Label2.caption, "OK");

    const QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("seite.pdf")));
    const QRectF area(0, 0, printer.width(), printer.height());
    {
        QPainter painter(&printer);
        DrawFormPage(painter, area, form.State());
    }
    ASSERT_EQ(QProcess::execute(QStringLiteral("pdftoppm"),
                  {"-r", "600", "-gray", "-png", "-singlefile", printer.outputFileName(),
                      folder.filePath("seite")}),
        0);
    QImageReader::setAllocationLimit(512); // a page at 600 dpi is more than Qt's default allows
    const QImage page = QImageReader(folder.filePath(QStringLiteral("seite.png"))).read();
    ASSERT_FALSE(page.isNull());

    // From the printer's points on its printable area to the picture's pixels on the paper.
    const QPointF margin = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
    const double toPicture = kDotsPerInch / printer.resolution();
    const PageLayout layout(area, form.State());
    // A cell of a grid as the picture shows it, less inset of its size on every side.
    const auto shown = [&](const Grid& grid, int row, int column, double inset) {
        const QRectF onPage = layout.Map(grid.Bounds().left + column * grid.ColWidth(),
            grid.Bounds().top + row * grid.RowHeight(), grid.ColWidth(), grid.RowHeight());
        const QRectF picture((onPage.topLeft() + margin) * toPicture, onPage.size() * toPicture);
        return picture.adjusted(picture.width() * inset, picture.height() * inset, -picture.width() * inset,
            -picture.height() * inset);
    };
    const Grid& feld = form.State().board.Feld;
    for (int row = 0; row <= 9; ++row) {
        for (int column = 0; column <= 9; ++column) {
            SCOPED_TRACE(testing::Message() << "Feld " << row << "," << column);
            const bool digit = row > 0 && column > 0;
            EXPECT_EQ(Inked(page, shown(feld, row, column, 0.3)), digit);
            if (digit) {
                // A frame line runs just inside a given cell's edge; near the edge of a placed cell is paper.
                // The box lines run along the tops of rows 4 and 7.
                const bool given = feld.Look(row, column).back == Colour::Yellow;
                const QRectF rim = shown(feld, row, column, 0.06);
                const double top = row == 4 || row == 7 ? rim.bottom() - rim.height() * 0.15 : rim.top();
                EXPECT_EQ(Inked(page, QRectF(rim.center().x(), top, 1, rim.height() * 0.15)), given);
            }
        }
    }
    for (int box = 0; box < 9; ++box) {
        EXPECT_FALSE(Inked(page, shown(form.State().board.Gruppe, box / 3, box % 3, 0.2))) << "box " << box;
    }
}

} // namespace
} // namespace zifora::test
