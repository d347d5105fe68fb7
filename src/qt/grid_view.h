// SPDX-License-Identifier: MIT
#pragma once

#include "board/grid.h"
#include "qt/pixels.h"

#include <QTableWidget>
#include <cstdint>
#include <optional>

namespace zifora {

enum class CurrentCellMark : std::uint8_t { Frame, None };

// A grid control showing a Grid: its sizes, texts, per-cell looks and, when marked, its current cell as a
// frame over the cell's own colour. Cells are never edited in place and never selected; the fixed rows and
// columns are ordinary cells that can never become current.
class GridView : public QTableWidget {
public:
    GridView(CurrentCellMark mark, QWidget* parent);

    // Makes the widget show the grid. Moves the widget's current cell to the grid's: the caller blocks
    // the selection model's signals, so that this move is never taken for the user's.
    void Render(const Grid& grid);
    // Sizes, lines and frames at the scale from the next render on.
    void SetScale(const PixelScale& scale);

    // Typing never moves the current cell to a cell whose text starts with what was typed: on a board of
    // digits that jump reads as a fault, and the digit keys choose from the list instead.
    void keyboardSearch(const QString& /*search*/) override { }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Resize(const Grid& grid);
    void RenderCell(const Grid& grid, int row, int column);
    void MoveCurrentCell(int row, int column);

    CurrentCellMark m_mark;
    PixelScale m_scale;
    // The grid as last shown, or nothing when the widget must show it anew.
    std::optional<Grid> m_shown;
};

} // namespace zifora
