// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace zifora {

// Draws the style's focus frame around the widget while it has the keyboard focus, outside its own
// rectangle, so that a control that shows no focus of its own (the grids, the list) is found from the
// keyboard without any of its cells changing colour.
void ShowFocusFrame(QWidget& widget);

} // namespace zifora
