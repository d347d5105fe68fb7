// SPDX-License-Identifier: MIT
#include "qt/focus_frame.h"

#include <QEvent>
#include <QFocusFrame>
#include <QPointer>
#include <QWidget>

namespace zifora {
namespace {

// Lives as the widget's child and follows its focus.
class FocusFrameFollower final : public QObject {
public:
    explicit FocusFrameFollower(QWidget& widget)
        : QObject(&widget)
        , m_widget(widget)
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A new style (a new scale) hides the frame of a widget that keeps the focus.
        const bool styled = event->type() == QEvent::StyleChange && m_widget.hasFocus();
        if ((event->type() == QEvent::FocusIn || styled) && m_widget.parentWidget() != nullptr) {
            // Made at the first focus: by then the widget sits in its window, beside which the frame lies.
            if (m_frame == nullptr) {
                m_frame = new QFocusFrame(m_widget.parentWidget());
            }
            // The frame grows with the scale of the widget it frames.
            if (m_frame->style() != m_widget.style()) {
                m_frame->setStyle(m_widget.style());
            }
            // The frame hides itself when the style of its widget changes, and shows only for a new widget.
            if (styled) {
                m_frame->setWidget(nullptr);
            }
            m_frame->setWidget(&m_widget);
        } else if (event->type() == QEvent::FocusOut && m_frame != nullptr) {
            m_frame->setWidget(nullptr);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_widget;
    QPointer<QFocusFrame> m_frame;
};

} // namespace

void ShowFocusFrame(QWidget& widget)
{
    new FocusFrameFollower(widget);
}

} // namespace zifora
