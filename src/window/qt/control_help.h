// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace zifora {

// Gives every control of the window its accessible name and description in German, and every button and the
// check box a tooltip that says in one sentence what it does. Controls are found by their names.
void DescribeControls(QWidget& window);

// The accessible name of Label2 for its caption: the count alone ("27") says nothing to a screen reader.
QString Label2AccessibleName(const QString& caption);

} // namespace zifora
