// SPDX-License-Identifier: MIT
// The window at a scale: every bound from the twip layout, the fonts, the lines, the list and the style's
// frames grow together; the form takes the largest scale the window has room for and sits in its middle.
#include "qt/choice_list.h"
#include "qt/grid_view.h"
#include "qt/main_window.h"

#include <QApplication>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>

namespace zifora {
namespace {

// A plain sans-serif face at the size the layout was made for, times the scale. Faces with Arial's widths
// (fontconfig finds Liberation Sans or Nimbus Sans for the name) fit the captions into their small controls.
QFont PlainSansSerif(const PixelScale& scale)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25 * scale.Factor());
    return font;
}

// The desktop's style with its sizes -- check marks, frames, margins, scroll bars, focus frames -- grown by
// the scale, so that the controls keep their proportions.
class ScaledStyle final : public QProxyStyle {
public:
    ScaledStyle(double factor, QObject* owner)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
        , m_factor(factor)
    {
        setParent(owner);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
        return pixels > 0 ? static_cast<int>(std::lround(pixels * m_factor)) : pixels;
    }

private:
    double m_factor;
};

} // namespace

void MainWindow::OpenAtScale()
{
    const QScreen* shown = screen();
    m_openingScale = OpeningScale(shown->geometry().size(), shown->availableGeometry().size());
    setMinimumSize(PixelScale().ClientSize());
    ApplyScale(PixelScale(m_openingScale));
    resize(m_scale.ClientSize());
}

void MainWindow::ZoomIn()
{
    Zoom(1);
}

void MainWindow::ZoomOut()
{
    Zoom(-1);
}

void MainWindow::ZoomBack()
{
    Zoom(0);
}

bool MainWindow::CanZoomIn() const
{
    return ZoomStep(m_scale.Factor(), 1, screen()->availableGeometry().size()) > m_scale.Factor();
}

bool MainWindow::CanZoomOut() const
{
    return ZoomStep(m_scale.Factor(), -1, screen()->availableGeometry().size()) < m_scale.Factor();
}

bool MainWindow::Zoomed() const
{
    return m_scale.Factor() != m_openingScale;
}

void MainWindow::Zoom(int steps)
{
    const QSize room = screen()->availableGeometry().size();
    const double factor = steps == 0 ? m_openingScale : ZoomStep(m_scale.Factor(), steps, room);
    // Laying out again at the same scale would put the list back where it starts, away from its cell.
    if (factor == m_scale.Factor()) {
        return;
    }
    if (isMaximized() || isFullScreen()) {
        showNormal();
    }
    ApplyScale(PixelScale(factor));
    resize(m_scale.ClientSize());
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    const QSize one = PixelScale().ClientSize();
    const double fit = std::max(1.0,
        std::min(static_cast<double>(width()) / one.width(), static_cast<double>(height()) / one.height()));
    if (fit != m_scale.Factor()) {
        ApplyScale(PixelScale(fit));
    }
    m_canvas->move((width() - m_canvas->width()) / 2, (height() - m_canvas->height()) / 2);
    QWidget::resizeEvent(event);
}

void MainWindow::ApplyScale(const PixelScale& scale)
{
    m_scale = scale;
    setFont(PlainSansSerif(scale));
    ApplyStyle(scale);
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const Control& control = kControls[index];
        m_widgets[index]->setGeometry(scale.Rect(control.bounds));
        if (control.kind == ControlKind::Grid || control.kind == ControlKind::EntryGrid) {
            static_cast<GridView*>(m_widgets[index])->SetScale(scale);
        }
    }
    for (std::size_t index = 0; index < m_lines.size(); ++index) {
        m_lines[index]->setGeometry(scale.Line(kSeparatorLines[index].line, kLineThicknessPixels));
    }
    m_wahl->SetScale(scale);
    m_canvas->resize(scale.ClientSize());
    m_canvas->move((width() - m_canvas->width()) / 2, (height() - m_canvas->height()) / 2);
    Render();
}

// At scale 1 the desktop's own style, which costs nothing to set up.
void MainWindow::ApplyStyle(const PixelScale& scale)
{
    QStyle* style = scale.Factor() == 1.0 ? nullptr : new ScaledStyle(scale.Factor(), this);
    if (style == nullptr && m_style == nullptr) {
        return;
    }
    m_canvas->setStyle(style);
    for (QWidget* widget : m_canvas->findChildren<QWidget*>()) {
        widget->setStyle(style);
    }
    delete m_style;
    m_style = style;
}

} // namespace zifora
