// SPDX-License-Identifier: MIT
// The window at a scale: the picture at 1.5 and 2 is the picture at 1 made larger, a resized window takes the
// largest scale that fits and centres the form, and the zoom keys step through the scales.
#include "window_fixture.h"

#include <QDir>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <array>
#include <cmath>

namespace zifora::test {
namespace {

// What the window shows at a scale: a trial on a loaded board, the list open over a cell, the grid focused.
class Scaled : public WindowTest {
protected:
    Scaled()
    {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        for (const char* action : {"load easy.txt", "click Einzelne", "click Check1", "cell 2 3"}) {
            Do(action);
        }
        Feld()->setFocus();
    }

    // The window's picture at the scale, made by resizing it to the form's size there.
    QImage PictureAt(double scale)
    {
        window.resize(static_cast<int>(std::lround(660 * scale)), static_cast<int>(std::lround(272 * scale)));
        QCoreApplication::processEvents();
        QImage picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (const QString folder = qEnvironmentVariable("ZIFORA_SCREENSHOTS"); !folder.isEmpty()) {
            picture.save(QDir(folder).filePath(QStringLiteral("window-%1x.png").arg(scale)));
        }
        return picture;
    }
};

constexpr int kBlockSide = 4;

// The mean colour of each block of the picture, a block being side by side pixels of the picture at 1.
QImage BlockMeans(const QImage& picture, double scale, int side)
{
    const QSize blocks = picture.size() / scale / side;
    QImage means(blocks, QImage::Format_RGB32);
    for (int row = 0; row < blocks.height(); ++row) {
        for (int column = 0; column < blocks.width(); ++column) {
            const QRect block(
                QPoint(static_cast<int>(column * side * scale), static_cast<int>(row * side * scale)),
                QPoint(static_cast<int>((column + 1) * side * scale) - 1,
                    static_cast<int>((row + 1) * side * scale) - 1));
            std::array<double, 3> sum {};
            for (int y = block.top(); y <= block.bottom(); ++y) {
                for (int x = block.left(); x <= block.right(); ++x) {
                    const QColor colour = picture.pixelColor(x, y);
                    sum[0] += colour.red();
                    sum[1] += colour.green();
                    sum[2] += colour.blue();
                }
            }
            const double count = block.width() * block.height();
            means.setPixelColor(column, row,
                QColor(static_cast<int>(sum[0] / count), static_cast<int>(sum[1] / count),
                    static_cast<int>(sum[2] / count)));
        }
    }
    return means;
}

// The share of blocks whose mean colour differs from the other picture's by more than a fifth of the range
// in some channel: text drawn at another size differs a little at its edges, anything cut, moved, missing or
// drawn at the wrong thickness differs by far.
double ShareDiffering(const QImage& mine, const QImage& theirs)
{
    int differing = 0;
    for (int y = 0; y < mine.height(); ++y) {
        for (int x = 0; x < mine.width(); ++x) {
            const QColor a = mine.pixelColor(x, y);
            const QColor b = theirs.pixelColor(x, y);
            const int most = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                std::abs(a.blue() - b.blue())});
            differing += most > 51 ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (mine.width() * mine.height());
}

TEST_F(Scaled, PictureAtAScaleIsThePictureAtOneMadeLarger)
{
    const QImage atOne = PictureAt(1);
    for (const double scale : {1.5, 2.0}) {
        SCOPED_TRACE(scale);
        const QImage scaled = PictureAt(scale);
        ASSERT_EQ(scaled.size(), atOne.size() * scale);
        EXPECT_LT(
            ShareDiffering(BlockMeans(scaled, scale, kBlockSide), BlockMeans(atOne, 1, kBlockSide)), 0.01);
    }
}

// A window resized by its edges: the form takes the largest scale that fits, never below 1, and sits in the
// middle of the room left over.
struct Resize {
    QSize window;
    QRect form;
};

const Resize kResizes[] = {
    {{660, 272}, {0, 0, 660, 272}},
    {{1320, 544}, {0, 0, 1320, 544}},
    {{1320, 600}, {0, 28, 1320, 544}},
    {{2000, 544}, {340, 0, 1320, 544}},
    {{1000, 544}, {0, 66, 1000, 412}},
    {{500, 200}, {0, 0, 660, 272}},
};

TEST_F(WindowTest, ResizedFormTakesTheLargestScaleThatFitsInTheMiddle)
{
    const QWidget* form = Feld()->parentWidget();
    for (const auto& [size, expected] : kResizes) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        window.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(form->geometry(), expected);
        const QRect lastCell = Feld()->visualItemRect(Feld()->item(9, 9));
        EXPECT_TRUE(Feld()->viewport()->rect().contains(lastCell)) << "the board is cut";
    }
}

// On a screen of 1920 by 1080 pixels (only the wide-screen run of these tests has one).
class OnAWideScreen : public WindowTest {
protected:
    OnAWideScreen()
    {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(Feld(), static_cast<Qt::Key>(key), modifiers);
        QCoreApplication::processEvents();
    }
};

TEST_F(OnAWideScreen, OpensAtOneAndAHalfAndZoomsByQuarters)
{
    ASSERT_EQ(window.screen()->size(), QSize(1920, 1080));
    EXPECT_EQ(window.size(), QSize(990, 408));
    Press(Qt::Key_Plus);
    EXPECT_EQ(window.size(), QSize(1155, 476));
    Press(Qt::Key_Equal);
    EXPECT_EQ(window.size(), QSize(1320, 544));
    Press(Qt::Key_Minus);
    EXPECT_EQ(window.size(), QSize(1155, 476));
    Press(Qt::Key_0);
    EXPECT_EQ(window.size(), QSize(990, 408));
    for (int press = 0; press < 4; ++press) {
        Press(Qt::Key_Minus);
    }
    EXPECT_EQ(window.size(), QSize(660, 272)) << "never below 1";
    for (int press = 0; press < 12; ++press) {
        Press(Qt::Key_Plus);
    }
    EXPECT_EQ(window.size(), QSize(1815, 748)) << "2.75, the last step within the screen";
}

TEST_F(OnAWideScreen, MaximisedFormFillsTheWidth)
{
    window.showMaximized();
    QCoreApplication::processEvents();
    ASSERT_EQ(window.size(), window.screen()->availableSize());
    EXPECT_EQ(Feld()->parentWidget()->geometry(), QRect(0, 144, 1920, 791));
}

} // namespace
} // namespace zifora::test
