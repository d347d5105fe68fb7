// SPDX-License-Identifier: MIT
#include "qt/grid_view.h"

#include "qt/focus_frame.h"
#include "qt/pixels.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QtMath>
#include <algorithm>

namespace zifora {
namespace {

// At scale 1: the current cell's frame, and the grid line on the right and the bottom of every cell.
constexpr int kFramePixels = 2;
constexpr int kGridLinePixels = 1;

// Paints a cell with its own background, font and alignment; marks the current cell with a frame
// instead of a selection fill, which would hide the cell's colour. The grid lines are the cells' own, as
// thick as the scale makes them, where Qt's table would draw them one pixel thick at every scale.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(CurrentCellMark mark, QAbstractItemView* view, const PixelScale& scale)
        : QStyledItemDelegate(view)
        , m_mark(mark)
        , m_view(view)
        , m_scale(scale)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const int line = m_scale.Thickness(kGridLinePixels);
        cell.rect.adjust(0, 0, -line, -line);
        PaintGridLines(painter, option, line);
        PaintCell(painter, cell);
        if (m_mark == CurrentCellMark::Frame && index == m_view->currentIndex()) {
            PaintFrame(painter, cell.rect, m_view->palette().color(QPalette::Highlight),
                m_scale.Thickness(kFramePixels));
        }
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        // The header cells cannot be entered, which Qt would otherwise paint as greyed out.
        option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        option->state |= QStyle::State_Enabled;
    }

private:
    // Paints the cell as the style paints an item of a view -- its background, then its text on one line
    // within the style's text margins, centred vertically on a whole pixel -- but lays the text out once
    // where the style lays it out three times: repainting the whole grid cost a millisecond that way.
    // (A text too wide for its cell, which the program never writes, may sit a pixel off the style's.)
    void PaintCell(QPainter* painter, const QStyleOptionViewItem& cell) const
    {
        painter->fillRect(cell.rect, cell.backgroundBrush);
        if (cell.text.isEmpty()) {
            return;
        }
        const int margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view)
            + m_scale.Thickness(1);
        const QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
        const QFontMetricsF metrics(cell.font);
        const int lineHeight = qCeil(metrics.ascent() + metrics.descent());
        const QRect line(
            room.left(), room.top() + (room.height() - lineHeight) / 2, room.width(), lineHeight);
        painter->save();
        painter->setClipRect(cell.rect);
        painter->setFont(cell.font);
        painter->setPen(cell.palette.color(QPalette::Normal, QPalette::Text));
        painter->drawText(line,
            static_cast<int>(cell.displayAlignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop, cell.text);
        painter->restore();
    }

    // In the colour Qt's table draws its grid in.
    void PaintGridLines(QPainter* painter, const QStyleOptionViewItem& option, int line) const
    {
        const QColor colour = QColor::fromRgba(
            static_cast<QRgb>(m_view->style()->styleHint(QStyle::SH_Table_GridLineColor, &option, m_view)));
        const QRect& all = option.rect;
        painter->fillRect(all.right() - line + 1, all.top(), line, all.height(), colour);
        painter->fillRect(all.left(), all.bottom() - line + 1, all.width(), line, colour);
    }

    static void PaintFrame(QPainter* painter, const QRect& cell, const QColor& colour, int frame)
    {
        painter->fillRect(cell.left(), cell.top(), cell.width(), frame, colour);
        painter->fillRect(cell.left(), cell.bottom() - frame + 1, cell.width(), frame, colour);
        painter->fillRect(cell.left(), cell.top(), frame, cell.height(), colour);
        painter->fillRect(cell.right() - frame + 1, cell.top(), frame, cell.height(), colour);
    }

    CurrentCellMark m_mark;
    QAbstractItemView* m_view;
    const PixelScale& m_scale;
};

} // namespace

GridView::GridView(CurrentCellMark mark, QWidget* parent)
    : QTableWidget(parent)
    , m_mark(mark)
{
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    // No frame, so that the cells start where the window's geometry says they do and the separator lines
    // fall on their borders; the room the cells leave over shows the window's colour.
    setFrameShape(QFrame::NoFrame);
    viewport()->setBackgroundRole(QPalette::Window);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setShowGrid(false);
    setItemDelegate(new CellDelegate(mark, this, m_scale));
    ShowFocusFrame(*this);
}

void GridView::Render(const Grid& grid)
{
    // Most events change nothing here or only the current cell; repainting every cell for them would cost
    // more than the rest of the event.
    if (m_shown) {
        // The current cell's frame moves below, without repainting the other cells.
        m_shown->SetCurrent(grid.Row(), grid.Col());
    }
    if (m_shown != grid) {
        Resize(grid);
        // One repaint of the whole grid: each changed cell asking for its own would cost more than the
        // cells' new data, and leave a region of many rectangles to clip every line and text against.
        viewport()->setUpdatesEnabled(false);
        for (int row = 0; row < grid.Rows(); ++row) {
            for (int column = 0; column < grid.Cols(); ++column) {
                RenderCell(grid, row, column);
            }
        }
        viewport()->setUpdatesEnabled(true); // and repaints all of it
        m_shown = grid;
    }
    if (m_mark == CurrentCellMark::Frame) {
        MoveCurrentCell(grid.Row(), grid.Col());
    }
}

void GridView::SetScale(const PixelScale& scale)
{
    if (scale != m_scale) {
        m_scale = scale;
        m_shown.reset();
    }
}

void GridView::changeEvent(QEvent* event)
{
    // The cells' colours and fonts come from the widget's palette and font: show them anew at the next
    // render.
    const QEvent::Type type = event->type();
    if (type == QEvent::PaletteChange || type == QEvent::FontChange || type == QEvent::StyleChange) {
        m_shown.reset();
    }
    QTableWidget::changeEvent(event);
}

void GridView::MoveCurrentCell(int row, int column)
{
    const QModelIndex before = currentIndex();
    setCurrentCell(row, column);
    // The caller blocks the signal by which the view would repaint the frame's old and new cell itself.
    if (currentIndex() != before) {
        viewport()->update(visualRect(before));
        viewport()->update(visualRect(currentIndex()));
    }
}

void GridView::Resize(const Grid& grid)
{
    if (rowCount() != grid.Rows() || columnCount() != grid.Cols()) {
        setRowCount(grid.Rows());
        setColumnCount(grid.Cols());
        for (int row = 0; row < grid.Rows(); ++row) {
            for (int column = 0; column < grid.Cols(); ++column) {
                if (item(row, column) == nullptr) {
                    setItem(row, column, new QTableWidgetItem);
                }
            }
        }
    }
    horizontalHeader()->setDefaultSectionSize(m_scale.Pixels(grid.ColWidth()));
    verticalHeader()->setDefaultSectionSize(m_scale.Pixels(grid.RowHeight()));
}

void GridView::RenderCell(const Grid& grid, int row, int column)
{
    QTableWidgetItem* cell = item(row, column);
    const bool fixed = row < grid.FixedRows() || column < grid.FixedCols();
    const CellLook look = grid.ShownLook(row, column);
    const std::string& text = grid.TextMatrix(row, column);
    QFont font = this->font();
    font.setBold(look.weight == Weight::Bold);

    const Qt::ItemFlags flags = fixed ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Unlike the data setters, setFlags repaints the cell even when the flags stay.
    if (cell->flags() != flags) {
        cell->setFlags(flags);
    }
    cell->setText(QString::fromStdString(text));
    cell->setBackground(ColourOf(look.back, palette(), QPalette::Base));
    // The fixed colours are light ones: black reads on them whatever the desktop's text colour is.
    cell->setForeground(RgbOf(look.back) ? QColor(Qt::black) : palette().color(QPalette::Text));
    cell->setFont(font);
    cell->setTextAlignment(HorizontalAlignment(look.align, text) | Qt::AlignVCenter);
}

} // namespace zifora
