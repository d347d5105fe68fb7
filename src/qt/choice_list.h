// SPDX-License-Identifier: MIT
#pragma once

#include "qt/pixels.h"
#include "window/form_state.h"

#include <QListWidget>
#include <optional>

namespace zifora {

// The list wahl: floats over the grid at the form's geometry, one short entry a line.
class ChoiceList : public QListWidget {
    Q_OBJECT

public:
    explicit ChoiceList(QWidget* parent);

    // Makes the widget show the list: its entries, visibility and place.
    void Render(const ListBox& list);
    // Places, sizes and frames the list at the scale from the next render on.
    void SetScale(const PixelScale& scale);

signals:
    // The user chose entry index (0 = the first), by a click or by Enter or Space on it.
    void Chosen(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill(const ListBox& list);

    PixelScale m_scale;
    // What the widget shows: a list that comes back unchanged keeps the user's highlighted entry.
    std::optional<ListBox> m_shown;
};

} // namespace zifora
