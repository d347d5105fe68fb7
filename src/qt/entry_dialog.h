// SPDX-License-Identifier: MIT
#pragma once

#include "files/puzzle_file.h"

#include <QDialog>
#include <string>
#include <string_view>

class QLabel;

namespace zifora {

// The 9 x 9 cells of a puzzle being typed in: the digit keys write and go on to the next cell; 0, ".",
// Space, Delete and Backspace empty one; the arrow keys and Tab move. Two equal digits in a row, column or
// box are marked in both cells.
class EntryGrid final : public QWidget {
public:
    // Drawn at the window's scale.
    EntryGrid(QWidget* parent, double scale);

    void SetPuzzle(const Puzzle& puzzle);
    const Puzzle& Entered() const { return m_puzzle; }
    int Current() const { return m_current; }
    // Where cell index 0..80, row by row, is drawn.
    QRect CellRect(int cell) const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void Write(std::uint8_t digit, int step);
    void MoveTo(int cell);
    int Edge(int line) const;

    int m_cell;
    int m_thin;
    int m_box;
    Puzzle m_puzzle;
    int m_current = 0;
};

// "Rätsel eingeben": the grid, opened with the givens of the puzzle on the board, and the buttons "Leeren",
// "Übernehmen" and Cancel. Ctrl+V fills the grid with a puzzle from the clipboard, read as a file would be.
class EntryDialog final : public QDialog {
public:
    EntryDialog(QWidget* parent, std::string_view givens, double scale = 1.0);

    // The entered cells as Form1::Form_Type takes them.
    std::string Cells() const;

private:
    void Paste();

    EntryGrid* m_grid;
    QLabel* m_message;
};

} // namespace zifora
