// SPDX-License-Identifier: MIT
// The window at a scale: the picture at 1.5 and 2 is the picture at 1 made larger, a resized window takes the
// largest scale that fits and centres the form, and the zoom keys step through the scales.
#include "window_fixture.h"

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
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

constexpr int kBlockSide = 4;

// The mean colour of each block of the picture, a block being side by side pixels of the picture at 1: Qt's
// smooth shrinking averages the pixels it merges.
QImage BlockMeans(const QImage& picture, double scale, int side)
{
    return picture.scaled(picture.size() / scale / side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The share of blocks whose mean colour differs from the other picture's by more than a fifth of the range
// in some channel: text drawn at another size differs a little at its edges, anything cut, moved, missing or
// drawn at the wrong thickness differs by far.
double ShareDiffering(const QImage& mine, const QImage& theirs)
{
    int differing = 0;
    for (int y = 0; y < mine.height(); ++y) {
        for (int x = 0; x < mine.width(); ++x) {
            const QRgb a = mine.pixel(x, y);
            const QRgb b = theirs.pixel(x, y);
            differing += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))})
                > 51;
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
            ShareDiffering(BlockMeans(scaled, scale, kBlockSide), BlockMeans(atOne, 1, kBlockSide)), 0.005);
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
    const QWidget* shown = Feld()->parentWidget();
    for (const auto& [size, expected] : kResizes) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        window.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(shown->geometry(), expected);
        const QRect lastCell = Feld()->visualItemRect(Feld()->item(9, 9));
        EXPECT_TRUE(Feld()->viewport()->rect().contains(lastCell)) << "the board is cut";
    }
}

// On a screen of 1920 by 1080 pixels (only the wide-screen run of these tests has one). Each row: a zoom key
// pressed so many times with Ctrl, and the window's size after it.
using OnAWideScreen = WindowTest;

TEST_F(OnAWideScreen, OpensAtOneAndAHalfAndZoomsByQuartersWithinTheScreen)
{
    ASSERT_EQ(window.screen()->size(), QSize(1920, 1080));
    EXPECT_EQ(window.size(), QSize(990, 408));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        Qt::Key key;
        int presses;
        QSize size;
    } rows[]
        = {{Qt::Key_Plus, 1, {1155, 476}}, {Qt::Key_Equal, 1, {1320, 544}}, {Qt::Key_Minus, 1, {1155, 476}},
            {Qt::Key_0, 1, {990, 408}}, {Qt::Key_Minus, 4, {660, 272}}, {Qt::Key_Plus, 12, {1815, 748}}};
    for (const auto& [key, presses, size] : rows) {
        for (int press = 0; press < presses; ++press) {
            QTest::keyClick(Feld(), key, Qt::ControlModifier);
        }
        EXPECT_EQ(window.size(), size) << QKeySequence(key).toString().toStdString() << " " << presses;
    }
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
