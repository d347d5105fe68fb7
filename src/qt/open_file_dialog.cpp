// SPDX-License-Identifier: MIT
#include "qt/open_file_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLocale>
#include <utility>

namespace zifora {
namespace {

// The dialog's list shows sizes and dates the German way, as its captions are German, whatever language the
// desktop speaks.
class GermanFileDetails final : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        constexpr int kSizeColumn = 1;
        constexpr int kDateColumn = 3;
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex source = mapToSource(index);
        const bool size = index.column() == kSizeColumn && files != nullptr && !files->isDir(source);
        const bool date = index.column() == kDateColumn && files != nullptr;
        if (role != Qt::DisplayRole || !(size || date)) {
            return QIdentityProxyModel::data(index, role);
        }
        const QLocale german(QLocale::German, QLocale::Germany);
        if (size) {
            return german.formattedDataSize(files->size(source));
        }
        return german.toString(files->lastModified(source), QLocale::ShortFormat);
    }
};

} // namespace

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

QString SamplePuzzleFolder()
{
    // Installed, the puzzles sit in the data folder beside the program's folder; a build copies them into
    // the program's folder, so that a program run from the build tree finds them too.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const char* folder : {ZIFORA_INSTALLED_PUZZLES, "puzzles"}) {
        QString path = QDir::cleanPath(programFolder.absoluteFilePath(QString::fromUtf8(folder)));
        if (QFileInfo(path).isDir()) {
            return path;
        }
    }
    return {};
}

OpenFileDialog::OpenFileDialog(QWidget* parent, QString firstFolder)
    : m_parent(parent)
    , m_firstFolder(std::move(firstFolder))
{
}

void OpenFileDialog::Remember(const QString& path)
{
    m_lastPath = path;
}

std::optional<std::string> OpenFileDialog::ChooseFile(const FileDialogSettings& settings)
{
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Each entry shows its description alone; the patterns after it are the dialog's to apply.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setProxyModel(new GermanFileDetails(&dialog));
    const QStringList filters = NameFilters(settings.filter);
    dialog.setNameFilters(filters);
    if (settings.filterIndex >= 1 && settings.filterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[settings.filterIndex - 1]);
    }
    if (!m_lastPath.isEmpty()) {
        dialog.setDirectory(QFileInfo(m_lastPath).absolutePath());
        dialog.selectFile(m_lastPath);
    } else if (!m_firstFolder.isEmpty()) {
        dialog.setDirectory(m_firstFolder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    m_lastPath = dialog.selectedFiles().constFirst();
    return QFile::encodeName(m_lastPath).toStdString();
}

std::optional<int> AskWhichPuzzle(QWidget* parent, const PuzzleQuestion& question)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("RaetselWahl"));
    dialog.setWindowTitle(QStringLiteral("Rätsel wählen"));
    dialog.setLabelText(QString::fromStdString(QuestionText(question)));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, question.count);
    dialog.setIntValue(question.proposal);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.intValue();
}

std::optional<int> OpenFileDialog::ChoosePuzzle(const PuzzleQuestion& question)
{
    return AskWhichPuzzle(m_parent, question);
}

} // namespace zifora
