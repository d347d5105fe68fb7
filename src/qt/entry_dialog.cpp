// SPDX-License-Identifier: MIT
#include "qt/entry_dialog.h"

#include "board/digits.h"
#include "qt/clipboard_text.h"
#include "qt/focus_frame.h"
#include "qt/open_file_dialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <variant>

namespace zifora {
namespace {

// At the window's scale 1; the grid grows with the window's scale.
constexpr int kCellPixels = 34;
constexpr int kThinLine = 1;
constexpr int kBoxLine = 3;
constexpr int kCells = 81;
// Clashing digits stand on the light red that spreadsheets mark errors with.
const QColor kClashColour {255, 190, 190};

} // namespace

EntryGrid::EntryGrid(QWidget* parent, double scale)
    : QWidget(parent)
    , m_cell(static_cast<int>(std::lround(kCellPixels * scale)))
    , m_thin(static_cast<int>(std::max(1L, std::lround(kThinLine * scale))))
    , m_box(static_cast<int>(std::lround(kBoxLine * scale)))
{
    setObjectName(QStringLiteral("Eingabe"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Rätselgitter"));
    setAccessibleDescription(QStringLiteral(
        "Neun mal neun Zellen: Ziffern tippen, 0, Punkt, Leertaste oder Entf leeren eine Zelle, Pfeiltasten "
        "und Tab wechseln die Zelle."));
    setFixedSize(sizeHint());
    ShowFocusFrame(*this);
}

// Where the cell in row or column line (0..8) begins along that axis.
int EntryGrid::Edge(int line) const
{
    return m_box + line * (m_cell + m_thin) + (line / 3) * (m_box - m_thin);
}

QSize EntryGrid::sizeHint() const
{
    const int side = Edge(8) + m_cell + m_box;
    return {side, side};
}

void EntryGrid::SetPuzzle(const Puzzle& puzzle)
{
    m_puzzle = puzzle;
    update();
}

QRect EntryGrid::CellRect(int cell) const
{
    return {Edge(cell % 9), Edge(cell / 9), m_cell, m_cell};
}

void EntryGrid::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // The lines are what the cells leave of the dark ground.
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
    QFont digitFont = font();
    digitFont.setPixelSize(m_cell * 3 / 5);
    digitFont.setBold(true);
    painter.setFont(digitFont);
    const std::array<bool, kCells> clashing = ClashingCells(m_puzzle);
    for (int cell = 0; cell < kCells; ++cell) {
        const QRect area = CellRect(cell);
        const auto index = static_cast<std::size_t>(cell);
        painter.fillRect(area, clashing[index] ? kClashColour : palette().color(QPalette::Base));
        if (m_puzzle.digits[index] != 0) {
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(area, Qt::AlignCenter, QString(QChar(DigitCharacter(m_puzzle.digits[index]))));
        }
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(CellRect(m_current).adjusted(1, 1, -1, -1));
}

void EntryGrid::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const char typed = text.size() == 1 ? text.front().toLatin1() : '\0';
    if (IsDigit(typed)) {
        Write(static_cast<std::uint8_t>(DigitValue(typed)), 1);
    } else if (typed == '0' || typed == '.' || event->key() == Qt::Key_Space) {
        Write(0, 1);
    } else if (event->key() == Qt::Key_Delete) {
        Write(0, 0);
    } else if (event->key() == Qt::Key_Backspace) {
        // Typing has moved on past the slip, unless it is in the last cell.
        if (m_puzzle.digits[static_cast<std::size_t>(m_current)] == 0 && m_current > 0) {
            MoveTo(m_current - 1);
        }
        Write(0, 0);
    } else if (event->key() == Qt::Key_Left && m_current % 9 > 0) {
        MoveTo(m_current - 1);
    } else if (event->key() == Qt::Key_Right && m_current % 9 < 8) {
        MoveTo(m_current + 1);
    } else if (event->key() == Qt::Key_Up && m_current >= 9) {
        MoveTo(m_current - 9);
    } else if (event->key() == Qt::Key_Down && m_current < kCells - 9) {
        MoveTo(m_current + 9);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void EntryGrid::mousePressEvent(QMouseEvent* event)
{
    for (int cell = 0; cell < kCells; ++cell) {
        if (CellRect(cell).contains(event->position().toPoint())) {
            MoveTo(cell);
        }
    }
    setFocus(Qt::MouseFocusReason);
}

// Tab goes from cell to cell, and from the last cell on to the buttons.
bool EntryGrid::focusNextPrevChild(bool next)
{
    const int cell = m_current + (next ? 1 : -1);
    if (hasFocus() && cell >= 0 && cell < kCells) {
        MoveTo(cell);
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void EntryGrid::Write(std::uint8_t digit, int step)
{
    m_puzzle.digits[static_cast<std::size_t>(m_current)] = digit;
    MoveTo(std::min(m_current + step, kCells - 1));
    update();
}

void EntryGrid::MoveTo(int cell)
{
    m_current = cell;
    update();
}

EntryDialog::EntryDialog(QWidget* parent, std::string_view givens, double scale)
    : QDialog(parent)
    , m_grid(new EntryGrid(this, scale))
    , m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("RaetselEingeben"));
    setWindowTitle(QStringLiteral("Rätsel eingeben"));
    if (givens.size() == Puzzle {}.digits.size()) {
        m_grid->SetPuzzle(PuzzleFromCells(givens));
    }
    auto* hint = new QLabel(QStringLiteral("Ziffern tippen; 0, Punkt oder Leertaste lassen eine Zelle leer. "
                                           "Doppelte Ziffern werden rot markiert."),
        this);
    hint->setWordWrap(true);
    m_message->setObjectName(QStringLiteral("Meldung"));
    m_message->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Übernehmen"));
    QPushButton* clear = buttons->addButton(QStringLiteral("Leeren"), QDialogButtonBox::ResetRole);
    clear->setObjectName(QStringLiteral("Leeren"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, [this] {
        m_grid->SetPuzzle({});
        m_grid->setFocus(Qt::OtherFocusReason);
    });
    connect(new QShortcut(QKeySequence::Paste, this), &QShortcut::activated, this, &EntryDialog::Paste);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(m_grid, 0, Qt::AlignHCenter);
    layout->addWidget(m_message);
    layout->addWidget(buttons);
    m_grid->setFocus(Qt::OtherFocusReason);
}

std::string EntryDialog::Cells() const
{
    return CellsOf(m_grid->Entered());
}

// Of a collection on the clipboard, the user chooses one as a paste into the window does.
void EntryDialog::Paste()
{
    const PuzzleRead read = ParsePuzzles(ClipboardBytes(QGuiApplication::clipboard()->text()));
    if (const auto* error = std::get_if<LoadError>(&read)) {
        m_message->setText(QString::fromStdString(ClipboardErrorMessage(*error)));
        return;
    }
    const Puzzles& puzzles = std::get<Puzzles>(read);
    std::optional<int> number = 1;
    if (puzzles.size() > 1) {
        number = AskWhichPuzzle(this, {PuzzleSource::Clipboard, static_cast<int>(puzzles.size()), 1});
    }
    if (number) {
        m_grid->SetPuzzle(puzzles[static_cast<std::size_t>(*number - 1)]);
        m_message->clear();
    }
}

} // namespace zifora
