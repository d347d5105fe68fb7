// SPDX-License-Identifier: MIT
#include "window/qt/grid_view.h"

#include "window/qt/pixels.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
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
        QStyledItemDelegate::paint(painter, option, index);
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

// The grid's general alignment: numbers to the right, other texts to the left.
Qt::Alignment HorizontalAlignment(Alignment align, const std::string& text)
{
    switch (align) {
    case Alignment::Center:
        return Qt::AlignHCenter;
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Default:
        break;
    }
    const bool number = !text.empty() && std::all_of(text.begin(), text.end(), [](char character) {
        return character >= '0' && character <= '9';
    });
    return number ? Qt::AlignRight : Qt::AlignLeft;
}

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
}

void GridView::Render(const Grid& grid)
{
    Resize(grid);
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < grid.Cols(); ++column) {
            RenderCell(grid, row, column);
        }
    }
    if (m_mark == CurrentCellMark::Frame) {
        setCurrentCell(grid.Row(), grid.Col());
    }
    viewport()->update();
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
    const CellLook& look = grid.Look(row, column);
    const std::string& text = grid.TextMatrix(row, column);

    Colour back = look.back;
    if (back == Colour::Default) {
        back = fixed ? grid.BackColorFixed() : grid.BackColor();
    }
    Alignment align = look.align;
    if (align == Alignment::Default) {
        align = fixed ? grid.FixedAlignment() : grid.ColAlignment();
    }
    QFont font = this->font();
    font.setBold(look.weight == Weight::Bold);

    cell->setFlags(fixed ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setText(QString::fromStdString(text));
    cell->setBackground(ColourOf(back, palette(), QPalette::Base));
    // The fixed colours are light ones: black reads on them whatever the desktop's text colour is.
    cell->setForeground(RgbOf(back) ? QColor(Qt::black) : palette().color(QPalette::Text));
    cell->setFont(font);
    cell->setTextAlignment(HorizontalAlignment(align, text) | Qt::AlignVCenter);
}

} // namespace zifora
