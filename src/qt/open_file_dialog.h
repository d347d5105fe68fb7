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

// The folder of the puzzles that come with the program, or nothing when it cannot be found.
QString SamplePuzzleFolder();

// Asks in a German dialog which puzzle of a collection to open: the number chosen, or nothing for Cancel.
std::optional<int> AskWhichPuzzle(QWidget* parent, const PuzzleQuestion& question);

// The desktop's open-file dialog. It opens in firstFolder until a file is chosen, and from then on on the
// file chosen last; Cancel leaves that file in place. After a file or a paste of several puzzles, a dialog
// asks which one to open.
class OpenFileDialog final : public FileChooser {
public:
    explicit OpenFileDialog(QWidget* parent, QString firstFolder = SamplePuzzleFolder());

    std::optional<std::string> ChooseFile(const FileDialogSettings& settings) override;
    std::optional<int> ChoosePuzzle(const PuzzleQuestion& question) override;
    // The dialog opens on path next time, as if the user had chosen it.
    void Remember(const QString& path);

private:
    QWidget* m_parent;
    QString m_firstFolder;
    QString m_lastPath;
};

} // namespace zifora
