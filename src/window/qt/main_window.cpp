// SPDX-License-Identifier: MIT
#include "window/qt/main_window.h"

#include "window/qt/choice_list.h"
#include "window/qt/control_help.h"
#include "window/qt/grid_view.h"
#include "window/qt/pixels.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <utility>

namespace zifora {
namespace {

// A plain sans-serif face at the size the layout was made for. Faces with Arial's widths (fontconfig
// finds Liberation Sans or Nimbus Sans for the name) fit the captions into their small controls.
QFont PlainSansSerif()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

template <typename Control> Control* Place(Control* control, const char* name, const TwipRect& bounds)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(PixelRect(bounds));
    return control;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// A text box shows a line break for a carriage return with or without its line feed.
QString Lines(const std::string& text)
{
    return Text(text)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

MainWindow::MainWindow(Form1& form, QWidget* parent)
    : MainWindow(form, nullptr, parent)
{
}

MainWindow::MainWindow(Form1& form, FileChooser& chooser, QWidget* parent)
    : MainWindow(form, &chooser, parent)
{
}

MainWindow::MainWindow(Form1& form, FileChooser* chooser, QWidget* parent)
    : QWidget(parent)
    , m_form(form)
    , m_dialog(this)
    , m_chooser(chooser != nullptr ? *chooser : m_dialog)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zifora"));
    setFont(PlainSansSerif());
    setFixedSize(Pixels(kClientWidth), Pixels(kClientHeight));
    CreateControls();
    CreateSeparatorLines();
    // Created last, so that it floats over the grids, the lines and Text1.
    m_wahl = Place(new ChoiceList(this), "wahl", kWahlBounds);
    DescribeControls(*this);
    SetTabOrder();
    Render();
    Connect();
    AcceptFilesAndClipboard();
    m_feld->installEventFilter(this);
    m_wahl->installEventFilter(this);
    m_feld->setFocus();
}

void MainWindow::CreateControls()
{
    m_los = Place(new QPushButton(this), "Los", kLosBounds);
    m_text2 = Place(new QLineEdit(this), "Text2", kText2Bounds);
    m_label2 = Place(new QLabel(this), "Label2", kLabel2Bounds);
    m_testen = Place(new QPushButton(this), "Testen", kTestenBounds);
    m_text1 = Place(new QPlainTextEdit(this), "Text1", kText1Bounds);
    m_label1 = Place(new QLabel(this), "Label1", kLabel1Bounds);
    m_check1 = Place(new QCheckBox(this), "Check1", kCheck1Bounds);
    m_reset = Place(new QPushButton(this), "Reset", kResetBounds);
    m_testOK = Place(new QPushButton(this), "TestOK", kTestOKBounds);
    m_zellen = Place(new QPushButton(this), "Zellen", kZellenBounds);
    m_einzelne = Place(new QPushButton(this), "Einzelne", kEinzelneBounds);
    m_d2er = Place(new QPushButton(this), "D2er", kD2erBounds);
    m_gruppe = Place(new GridView(CurrentCellMark::None, this), "Gruppe", kGruppeBounds);
    m_feld = Place(new GridView(CurrentCellMark::Frame, this), "Feld", kFeldBounds);

    m_text2->setReadOnly(true);
    m_text1->setReadOnly(true);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void MainWindow::CreateSeparatorLines()
{
    const std::pair<const char*, TwipLine> lines[] = {
        {"Line1", kLine1},
        {"Line2", kLine2},
        {"Line3", kLine3},
        {"Line4", kLine4},
    };
    for (const auto& [name, line] : lines) {
        auto* separator = new QFrame(this);
        separator->setObjectName(QString::fromLatin1(name));
        separator->setGeometry(PixelLine(line, kLineThicknessPixels));
        separator->setBackgroundRole(QPalette::WindowText);
        separator->setAutoFillBackground(true);
        // Drawn over the grids to show the boxes; the cells below still take the clicks.
        separator->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void MainWindow::SetTabOrder()
{
    QWidget* const order[] = {m_feld, m_gruppe, m_zellen, m_testen, m_text1, m_text2, m_los, m_check1, m_wahl,
        m_reset, m_testOK, m_einzelne, m_d2er};
    for (std::size_t next = 1; next < std::size(order); ++next) {
        setTabOrder(order[next - 1], order[next]);
    }
}

void MainWindow::Connect()
{
    connect(m_los, &QPushButton::clicked, this, [this] {
        m_form.Los_Click(m_chooser);
        Render();
    });
    connect(m_zellen, &QPushButton::clicked, this, [this] { Forward(&Form1::Zellen_Click); });
    connect(m_einzelne, &QPushButton::clicked, this, [this] { Forward(&Form1::Einzelne_Click); });
    connect(m_d2er, &QPushButton::clicked, this, [this] { Forward(&Form1::D2er_Click); });
    connect(m_testen, &QPushButton::clicked, this, [this] { Forward(&Form1::Testen_Click); });
    connect(m_reset, &QPushButton::clicked, this, [this] { Forward(&Form1::Reset_Click); });
    connect(m_testOK, &QPushButton::clicked, this, [this] { Forward(&Form1::TestOK_Click); });
    connect(m_check1, &QCheckBox::clicked, this, [this] { Forward(&Form1::Check1_Click); });
    connect(m_feld->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& cell) { EnterCell(cell); });
    connect(m_wahl, &ChoiceList::Chosen, this, [this](int index) {
        const bool listHadFocus = m_wahl->hasFocus();
        m_form.wahl_Click(index);
        Render();
        // Closing the list by its empty entry would hand the focus on to the next control.
        if (listHadFocus && !m_wahl->isVisible()) {
            m_feld->setFocus(Qt::OtherFocusReason);
        }
    });
}

// The list floats over the grid, far from it in the tab order: Enter in the grid takes a keyboard user into
// the shown list, Escape in the list back to the grid. Filtered rather than bound as shortcuts, which would
// take the key from whichever control has the focus.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == m_feld && enter && m_wahl->isVisible()) {
            m_wahl->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        if (watched == m_wahl && key == Qt::Key_Escape) {
            m_feld->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The handler is named in each connection's lambda rather than captured: GCC's undefined-behaviour
// sanitizer misreads a lambda that captures a member function pointer once Qt has stored it.
void MainWindow::Forward(void (Form1::*handler)())
{
    (m_form.*handler)();
    Render();
}

void MainWindow::EnterCell(const QModelIndex& cell)
{
    if (cell.isValid()) {
        m_form.Feld_EnterCell(cell.row(), cell.column());
    }
    // Also after a move the form refused: the widget's current cell goes back to the form's.
    Render();
}

void MainWindow::LoadFile(const QString& path)
{
    m_dialog.Remember(path);
    AnswerChooser answer(QFile::encodeName(path).toStdString());
    m_form.Los_Click(answer);
    Render();
}

void MainWindow::Render()
{
    const FormState& state = m_form.State();
    const QSignalBlocker blockCellMoves(m_feld->selectionModel());
    const QSignalBlocker blockChoices(m_wahl);
    const QSignalBlocker blockCheck(m_check1);
    RenderButtons(state);
    RenderTexts(state);
    m_gruppe->Render(state.board.Gruppe);
    m_feld->Render(state.board.Feld);
    m_wahl->Render(state.wahl);
}

void MainWindow::RenderButtons(const FormState& state)
{
    const std::pair<QPushButton*, const Button*> buttons[] = {
        {m_los, &state.Los},
        {m_zellen, &state.Zellen},
        {m_einzelne, &state.Einzelne},
        {m_d2er, &state.D2er},
        {m_testen, &state.Testen},
        {m_reset, &state.Reset},
        {m_testOK, &state.TestOK},
    };
    for (const auto& [widget, button] : buttons) {
        widget->setText(Text(button->caption));
        widget->setEnabled(button->enabled);
    }
}

void MainWindow::RenderTexts(const FormState& state)
{
    // Setting the same text again would scroll the report back to its start.
    if (state.Text1.text != m_shownText1) {
        m_text1->setPlainText(Lines(state.Text1.text));
        m_shownText1 = state.Text1.text;
    }
    m_text2->setText(Text(state.Text2.text));
    m_label1->setText(Text(state.Label1.caption));
    m_check1->setText(Text(state.Check1.caption));
    m_check1->setChecked(state.Check1.checked);
    RenderLabel2(state.board.Label2);
}

void MainWindow::RenderLabel2(const Label& label)
{
    m_label2->setText(Text(label.caption));
    m_label2->setAccessibleName(Label2AccessibleName(Text(label.caption)));
    // Default is the label's own look; any other colour fills its background.
    m_label2->setAutoFillBackground(label.back != Colour::Default);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColourOf(label.back, palette(), QPalette::Window));
    m_label2->setPalette(colours);
}

} // namespace zifora
