// SPDX-License-Identifier: MIT
#include "window/qt/open_file_dialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace zifora {

QStringList NameFilters(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype part = 0; part + 1 < parts.size(); part += 2) {
        QString patterns = parts[part + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" lists every file where such lists were written; a glob here would want a dot in the name.
        if (patterns == QLatin1String("*.*")) {
            patterns = QStringLiteral("*");
        }
        entries.append(parts[part] + QLatin1String(" (") + patterns + QLatin1Char(')'));
    }
    return entries;
}

OpenFileDialog::OpenFileDialog(QWidget* parent)
    : m_parent(parent)
{
}

std::optional<std::string> OpenFileDialog::ChooseFile(const FileDialogSettings& settings)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Each entry shows its description alone; the patterns after it are the dialog's to apply.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = NameFilters(settings.filter);
    dialog.setNameFilters(filters);
    if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[settings.filterIndex - 1]);
    }
    if (!m_lastPath.isEmpty()) {
        dialog.setDirectory(QFileInfo(m_lastPath).absolutePath());
        dialog.selectFile(m_lastPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    m_lastPath = dialog.selectedFiles().constFirst();
    return QFile::encodeName(m_lastPath).toStdString();
}

} // namespace zifora
