// SPDX-License-Identifier: MIT
#include "qt/choice_list.h"

#include "qt/focus_frame.h"
#include "qt/pixels.h"

#include <QKeyEvent>

namespace zifora {

ChoiceList::ChoiceList(QWidget* parent)
    : QListWidget(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(
        this, &QListWidget::clicked, this, [this](const QModelIndex& index) { emit Chosen(index.row()); });
    hide();
    ShowFocusFrame(*this);
}

void ChoiceList::Render(const ListBox& list)
{
    if (m_shown == list) {
        return;
    }
    Fill(list);
    m_shown = list;
}

void ChoiceList::SetScale(const PixelScale& scale)
{
    if (scale != m_scale) {
        m_scale = scale;
        setLineWidth(scale.Thickness(1));
        m_shown.reset();
    }
}

void ChoiceList::Fill(const ListBox& list)
{
    clear();
    // Over the bottom rows the list would reach past the window's edge and hide the entries a mouse needs;
    // it moves up until all of them show.
    setGeometry(KeptInside(m_scale.Rect(list.bounds), m_scale.ClientSize()));
    const int entries = static_cast<int>(list.items.size());
    // Entries share the list's height, so that all of them show without a scroll bar.
    const int entryHeight = entries == 0 ? 0 : (height() - 2 * frameWidth()) / entries;
    for (const std::string& text : list.items) {
        auto* entry = new QListWidgetItem(QString::fromStdString(text), this);
        entry->setTextAlignment(Qt::AlignCenter);
        entry->setSizeHint(QSize(0, entryHeight));
    }
    setVisible(list.visible);
    if (list.visible) {
        raise();
    }
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool choose = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (choose && currentIndex().isValid()) {
        emit Chosen(currentIndex().row());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace zifora
