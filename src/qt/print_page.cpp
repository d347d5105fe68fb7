// SPDX-License-Identifier: MIT
#include "qt/print_page.h"

#include "qt/control_widgets.h"
#include "qt/pixels.h"
#include "window/controls.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace zifora {
namespace {

// The window's font, 8.25 points, in twips.
constexpr double kFontTwips = 8.25 * 20;
constexpr double kHeaderLines = 2.0;

// Looks print as light tints, so that black digits stay readable on every one of them.
QColor Tint(Colour colour)
{
    if (const std::optional<Rgb> rgb = RgbOf(colour)) {
        const auto half = [](int value) { return (value + 255) / 2; };
        return {half(rgb->red), half(rgb->green), half(rgb->blue)};
    }
    return Qt::white;
}

// Without colour, a look still shows: the givens framed, placements bold, trial choices underlined and
// trial placements slanted.
QFont PrintedFont(QFont font, const CellLook& look)
{
    font.setBold(look.weight == Weight::Bold);
    font.setItalic(look.back == Colour::Magenta);
    font.setUnderline(look.back == Colour::Red || look.back == Colour::Green);
    return font;
}

class Page {
public:
    Page(QPainter& painter, const PageLayout& layout)
        : m_painter(painter)
        , m_layout(layout)
    {
        m_font = QFont(QStringLiteral("Arial"));
        m_font.setPixelSize(std::max(1, static_cast<int>(kFontTwips * m_layout.Scale())));
    }

    QRectF Rect(double left, double top, double width, double height) const
    {
        return m_layout.Map(left, top, width, height);
    }

    void Caption(const FormState& state)
    {
        const int top = m_layout.Top();
        m_painter.setFont(m_font);
        m_painter.setPen(Qt::black);
        const QString caption = QStringLiteral("%1    Gesetzte Zellen: %2")
                                    .arg(Text(state.Text2.text), Text(state.board.Label2.caption));
        m_painter.drawText(Rect(0, top - kHeaderLines * kFontTwips, kClientWidth, 1.5 * kFontTwips),
            Qt::AlignLeft | Qt::AlignVCenter, caption);
    }

    void DrawGrid(const Grid& grid)
    {
        const TwipRect& bounds = grid.Bounds();
        m_painter.save();
        m_painter.setClipRect(Rect(bounds.left, bounds.top, bounds.width, bounds.height));
        for (int row = 0; row < grid.Rows(); ++row) {
            for (int column = 0; column < grid.Cols(); ++column) {
                DrawCell(grid, row, column,
                    Rect(bounds.left + column * grid.ColWidth(), bounds.top + row * grid.RowHeight(),
                        grid.ColWidth(), grid.RowHeight()));
            }
        }
        m_painter.restore();
    }

    // Over the grids only: on the page there are no buttons for them to cross.
    void DrawSeparators(const Grid& gruppe, const Grid& feld)
    {
        const TwipRect& top = gruppe.Bounds();
        const TwipRect& bottom = feld.Bounds();
        m_painter.save();
        m_painter.setClipRect(Rect(
            bottom.left, top.top, top.left + top.width - bottom.left, bottom.top + bottom.height - top.top));
        m_painter.setPen(QPen(Qt::black, kLineThicknessPixels * kTwipsPerPixel * m_layout.Scale()));
        for (const auto& [name, line] : kSeparatorLines) {
            m_painter.drawLine(
                Rect(line.x1, line.y1, 0, 0).topLeft(), Rect(line.x2, line.y2, 0, 0).topLeft());
        }
        m_painter.restore();
    }

private:
    void DrawCell(const Grid& grid, int row, int column, const QRectF& cell)
    {
        const CellLook look = grid.ShownLook(row, column);
        m_painter.fillRect(cell, Tint(look.back));
        m_painter.setPen(QPen(Qt::gray, 0));
        m_painter.drawRect(cell);
        if (look.back == Colour::Yellow) {
            const double inset = 1.5 * kTwipsPerPixel * m_layout.Scale();
            m_painter.setPen(QPen(Qt::black, kTwipsPerPixel * m_layout.Scale() / 2));
            m_painter.drawRect(cell.adjusted(inset, inset, -inset, -inset));
        }
        const std::string& text = grid.TextMatrix(row, column);
        m_painter.setFont(PrintedFont(m_font, look));
        m_painter.setPen(Qt::black);
        const double margin = 2 * kTwipsPerPixel * m_layout.Scale();
        m_painter.drawText(cell.adjusted(margin, 0, -margin, 0),
            static_cast<int>(HorizontalAlignment(look.align, text) | Qt::AlignVCenter), Text(text));
    }

    QPainter& m_painter;
    const PageLayout& m_layout;
    QFont m_font;
};

} // namespace

PageLayout::PageLayout(const QRectF& area, const FormState& state)
    : m_top(std::min(state.board.Gruppe.Bounds().top, state.board.Feld.Bounds().top))
    , m_scale(area.width() / kClientWidth)
    , m_origin(area.left(), area.top() + (kHeaderLines * kFontTwips - m_top) * m_scale)
{
}

QRectF PageLayout::Map(double left, double top, double width, double height) const
{
    return {m_origin.x() + left * m_scale, m_origin.y() + top * m_scale, width * m_scale, height * m_scale};
}

void DrawFormPage(QPainter& painter, const QRectF& area, const FormState& state)
{
    const PageLayout layout(area, state);
    Page page(painter, layout);
    page.Caption(state);
    page.DrawGrid(state.board.Gruppe);
    page.DrawGrid(state.board.Feld);
    page.DrawSeparators(state.board.Gruppe, state.board.Feld);
}

void PrintForm(QWidget* parent, const FormState& state)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Zifora"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QPainter painter(&printer);
    DrawFormPage(painter, QRectF(0, 0, printer.width(), printer.height()), state);
}

} // namespace zifora
