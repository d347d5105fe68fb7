// SPDX-License-Identifier: MIT
#include "qt/main_window.h"

#include "qt/choice_list.h"
#include "qt/control_widgets.h"
#include "qt/grid_view.h"
#include "qt/pixels.h"

#include <QAbstractButton>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>
#include <numeric>
#include <utility>

namespace zifora {

MainWindow::MainWindow(Form1& form, FileChooser* chooser, QWidget* parent)
    : QWidget(parent)
    , m_form(form)
    , m_dialog(this)
    , m_chooser(chooser != nullptr ? *chooser : m_dialog)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zifora"));
    m_canvas = new QWidget(this);
    CreateControls();
    m_feld = static_cast<GridView*>(&Widget("Feld"));
    m_wahl = static_cast<ChoiceList*>(&Widget("wahl"));
    DescribeControls();
    SetTabOrder();
    for (std::size_t index = 0; index < kControlCount; ++index) {
        Connect(index);
    }
    OpenAtScale();
    AcceptDrops();
    CreateExtraActions();
    AcceptKeys();
    m_feld->setFocus();
}

// In the table's order, which stacks the later controls over the earlier ones; the separator lines go over
// the grids and under the list, the table's last row, which floats over everything.
void MainWindow::CreateControls()
{
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const Control& control = kControls[index];
        QWidget* widget = NewWidget(control.kind, m_canvas);
        widget->setObjectName(Text(control.name));
        m_widgets[index] = widget;
    }
    CreateSeparatorLines();
    m_widgets[kControlCount - 1]->raise();
}

void MainWindow::CreateSeparatorLines()
{
    for (std::size_t index = 0; index < m_lines.size(); ++index) {
        auto* separator = new QFrame(m_canvas);
        separator->setObjectName(Text(kSeparatorLines[index].name));
        m_lines[index] = separator;
        separator->setBackgroundRole(QPalette::WindowText);
        separator->setAutoFillBackground(true);
        // Drawn over the grids to show the boxes; the cells below still take the clicks.
        separator->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

// German names and descriptions for a screen reader, and a tooltip that says in one sentence what a button
// or the check box does.
void MainWindow::DescribeControls()
{
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const Control& control = kControls[index];
        QWidget& widget = *m_widgets[index];
        // A label is named anew after its caption at every render.
        if (control.kind != ControlKind::Label) {
            widget.setAccessibleName(Text(control.accessibleName));
        }
        widget.setAccessibleDescription(Text(control.description));
        if (control.tooltip == Tooltip::Description) {
            widget.setToolTip(Text(control.description));
        }
        if (!control.labels.empty()) {
            static_cast<QLabel&>(widget).setBuddy(&Widget(control.labels));
        }
    }
}

// Labels have a place in the table's tab order but never take the focus.
void MainWindow::SetTabOrder()
{
    std::array<std::size_t, kControlCount> order {};
    std::iota(order.begin(), order.end(), std::size_t {0});
    std::sort(order.begin(), order.end(), [](std::size_t left, std::size_t right) {
        return kControls[left].tabIndex < kControls[right].tabIndex;
    });
    QWidget* previous = nullptr;
    for (const std::size_t index : order) {
        QWidget* widget = m_widgets[index];
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

// Each connection captures only the table's row, whose handler the forwarding function reads when the event
// comes: a lambda nested in a visitor that captured the handler itself was miscompiled under the sanitizers.
void MainWindow::Connect(std::size_t index)
{
    const Control* control = &kControls[index];
    QWidget* widget = m_widgets[index];
    switch (control->kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox: {
        auto* button = static_cast<QAbstractButton*>(widget);
        m_senders.push_back(button);
        connect(button, &QAbstractButton::clicked, this, [this, control] { Click(*control); });
        break;
    }
    case ControlKind::EntryGrid: {
        QItemSelectionModel* cells = static_cast<GridView*>(widget)->selectionModel();
        m_senders.push_back(cells);
        connect(cells, &QItemSelectionModel::currentChanged, this,
            [this, control](const QModelIndex& cell) { EnterCell(*control, cell); });
        break;
    }
    case ControlKind::List: {
        auto* list = static_cast<ChoiceList*>(widget);
        m_senders.push_back(list);
        connect(list, &ChoiceList::Chosen, this, [this, control](int entry) { Choose(*control, entry); });
        break;
    }
    case ControlKind::TextLine:
    case ControlKind::TextArea:
    case ControlKind::Label:
    case ControlKind::Caption:
    case ControlKind::Grid:
        break;
    }
}

void MainWindow::Click(const Control& control)
{
    if (const auto* handler = std::get_if<FileHandler>(&control.handler)) {
        EventStart start = StartEvent();
        (m_form.**handler)(m_chooser);
        EndEvent(std::move(start));
    } else {
        EventStart start = StartEvent();
        (m_form.*std::get<ClickHandler>(control.handler))();
        EndEvent(std::move(start));
    }
}

void MainWindow::EnterCell(const Control& control, const QModelIndex& cell)
{
    // Also after a move the form refused, the window renders: the widget's current cell goes back to the
    // form's.
    EventStart start = StartEvent();
    if (cell.isValid()) {
        (m_form.*std::get<CellHandler>(control.handler))(cell.row(), cell.column());
    }
    EndEvent(std::move(start));
}

void MainWindow::Choose(const Control& control, int index)
{
    EventStart start = StartEvent();
    (m_form.*std::get<EntryHandler>(control.handler))(index);
    EndEvent(std::move(start));
}

QWidget& MainWindow::Widget(std::string_view name) const
{
    for (std::size_t index = 0; index < kControlCount; ++index) {
        if (kControls[index].name == name && m_widgets[index] != nullptr) {
            return *m_widgets[index];
        }
    }
    qFatal("the window has no control %s", std::string(name).c_str());
}

void MainWindow::LoadFile(const QString& path)
{
    m_dialog.Remember(path);
    EventStart start = StartEvent();
    m_form.Form_Open(QFile::encodeName(path).toStdString(), m_chooser);
    EndEvent(std::move(start));
}

MainWindow::EventStart MainWindow::StartEvent() const
{
    return {m_form, m_wahl->hasFocus()};
}

void MainWindow::EndEvent(EventStart start)
{
    m_history.Record(std::move(start.before), m_form);
    ShowForm(start.listHadFocus);
}

void MainWindow::ShowForm(bool listHadFocus)
{
    Render();
    // A list that closes -- by its empty entry, by Escape, by an undo -- would hand the focus on to the next
    // control; it goes back to the board the list came from.
    if (listHadFocus && !m_wahl->isVisible()) {
        m_feld->setFocus(Qt::OtherFocusReason);
    }
}

// In the table's order: the list comes last, after the buttons whose enabled states decide where the focus
// goes when the list hides.
void MainWindow::Render()
{
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(m_senders.size());
    for (QObject* sender : m_senders) {
        blockers.emplace_back(sender);
    }
    const FormState& state = m_form.State();
    for (std::size_t index = 0; index < kControlCount; ++index) {
        ShowState(*m_widgets[index], kControls[index], state);
    }
}

} // namespace zifora
