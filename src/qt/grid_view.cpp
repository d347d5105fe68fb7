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

constexpr int kFramePixels = 2;

// Paints a cell with its own background, font and alignment; marks the current cell with a frame
// instead of a selection fill, which would hide the cell's colour.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(CurrentCellMark mark, QAbstractItemView* view)
        : QStyledItemDelegate(view)
        , m_mark(mark)
        , m_view(view)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        PaintCell(painter, cell);
        if (m_mark == CurrentCellMark::Frame && index == m_view->currentIndex()) {
            PaintFrame(painter, option.rect, m_view->palette().color(QPalette::Highlight));
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
        const int margin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
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

    static void PaintFrame(QPainter* painter, const QRect& cell, const QColor& colour)
    {
        painter->fillRect(cell.left(), cell.top(), cell.width(), kFramePixels, colour);
        painter->fillRect(cell.left(), cell.bottom() - kFramePixels + 1, cell.width(), kFramePixels, colour);
        painter->fillRect(cell.left(), cell.top(), kFramePixels, cell.height(), colour);
        painter->fillRect(cell.right() - kFramePixels + 1, cell.top(), kFramePixels, cell.height(), colour);
    }

    CurrentCellMark m_mark;
    QAbstractItemView* m_view;
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
    setItemDelegate(new CellDelegate(mark, this));
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
    horizontalHeader()->setDefaultSectionSize(Pixels(grid.ColWidth()));
    verticalHeader()->setDefaultSectionSize(Pixels(grid.RowHeight()));
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
