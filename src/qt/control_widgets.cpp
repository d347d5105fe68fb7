// SPDX-License-Identifier: MIT
#include "qt/control_widgets.h"

#include "qt/choice_list.h"
#include "qt/focus_frame.h"
#include "qt/grid_view.h"
#include "qt/pixels.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zifora {
namespace {

// A text box shows a line break for a carriage return with or without its line feed.
QString Lines(const std::string& text)
{
    return Text(text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The multi-line text box, which keeps the text it shows.
class ReportBox : public QPlainTextEdit {
public:
    explicit ReportBox(QWidget* parent)
        : QPlainTextEdit(parent)
    {
        setReadOnly(true);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }

    void Render(const TextBox& box)
    {
        if (box.text != m_shown) {
            setPlainText(Lines(box.text));
            m_shown = box.text;
        }
    }

private:
    std::string m_shown;
};

// Each widget shows its control's state; the table's static assertion ties each kind to its state's type.
void Show(QWidget& widget, const Control& /*control*/, const Button& button, const FormState& state)
{
    auto& push = static_cast<QPushButton&>(widget);
    push.setText(Text(button.caption));
    push.setEnabled(state.Enabled(button));
}

void Show(QWidget& widget, const Control& /*control*/, const CheckBox& box, const FormState& state)
{
    auto& check = static_cast<QCheckBox&>(widget);
    check.setText(Text(box.caption));
    check.setChecked(state.Checked(box));
}

void Show(QWidget& widget, const Control& control, const TextBox& box, const FormState& /*state*/)
{
    if (control.kind == ControlKind::TextArea) {
        static_cast<ReportBox&>(widget).Render(box);
    } else {
        // The box shows the end of a long path; its tooltip shows all of it.
        auto& line = static_cast<QLineEdit&>(widget);
        line.setText(Text(box.text));
        line.setToolTip(Text(box.text));
    }
}

void Show(QWidget& widget, const Control& control, const Label& label, const FormState& /*state*/)
{
    auto& shown = static_cast<QLabel&>(widget);
    shown.setText(Text(label.caption));
    if (control.kind == ControlKind::Label) {
        shown.setAccessibleName(Text(control.accessibleName) + Text(label.caption));
    }
    // Default is the label's own look; any other colour fills its background.
    shown.setAutoFillBackground(label.back != Colour::Default);
    const QPalette& window = widget.parentWidget()->palette();
    QPalette colours = window;
    colours.setColor(QPalette::Window, ColourOf(label.back, window, QPalette::Window));
    shown.setPalette(colours);
}

void Show(QWidget& widget, const Control& /*control*/, const Grid& grid, const FormState& /*state*/)
{
    static_cast<GridView&>(widget).Render(grid);
}

void Show(QWidget& widget, const Control& /*control*/, const ListBox& list, const FormState& /*state*/)
{
    static_cast<ChoiceList&>(widget).Render(list);
}

} // namespace

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* NewWidget(ControlKind kind, QWidget* parent)
{
    switch (kind) {
    case ControlKind::Button:
        return new QPushButton(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(parent);
    case ControlKind::TextLine: {
        auto* line = new QLineEdit(parent);
        line->setReadOnly(true);
        return line;
    }
    case ControlKind::TextArea: {
        auto* report = new ReportBox(parent);
        ShowFocusFrame(*report);
        return report;
    }
    case ControlKind::Label:
        return new QLabel(parent);
    case ControlKind::Caption: {
        // Wraps its caption onto two lines within its box.
        auto* caption = new QLabel(parent);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return caption;
    }
    case ControlKind::Grid:
        return new GridView(CurrentCellMark::None, parent);
    case ControlKind::EntryGrid:
        return new GridView(CurrentCellMark::Frame, parent);
    case ControlKind::List:
        return new ChoiceList(parent);
    }
    return nullptr;
}

void ShowState(QWidget& widget, const Control& control, const FormState& state)
{
    VisitState(control, state, [&](const auto& shown) { Show(widget, control, shown, state); });
}

} // namespace zifora
