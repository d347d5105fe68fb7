// SPDX-License-Identifier: MIT
#pragma once

#include "window/file_chooser.h"

#include <QString>
#include <QStringList>
#include <string>

class QWidget;

namespace zifora {

// The dialog's filter entries from a "description|pattern|description|pattern" list, one per pair: the
// description, then the pair's patterns in parentheses.
QStringList NameFilters(const std::string& filter);

// The desktop's open-file dialog. It opens on the file chosen last; Cancel leaves that file in place.
class OpenFileDialog final : public FileChooser {
public:
    explicit OpenFileDialog(QWidget* parent);

    std::optional<std::string> ChooseFile(const FileDialogSettings& settings) override;

private:
    QWidget* m_parent;
    QString m_lastPath;
};

} // namespace zifora
