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
        const QString& description = parts[part];
        const QString pattern = QLatin1Char('(') + parts[part + 1] + QLatin1Char(')');
        // Qt reads an entry's patterns from its parentheses; most descriptions already name them.
        entries.append(
            description.endsWith(pattern) ? description : description + QLatin1Char(' ') + pattern);
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
