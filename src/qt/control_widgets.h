// SPDX-License-Identifier: MIT
#pragma once

#include "window/controls.h"

#include <QString>
#include <string_view>

class QWidget;

namespace zifora {

// Qt's string of a UTF-8 text.
QString Text(std::string_view text);

// A new widget of the kind, set up as the design has it; the window names and places it.
QWidget* NewWidget(ControlKind kind, QWidget* parent);

// Makes the control's widget show the control's state in the form.
void ShowState(QWidget& widget, const Control& control, const FormState& state);

} // namespace zifora
