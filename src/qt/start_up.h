// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace zifora {

// What the command line asks for: the program ends at once with exitStatus (after --help, --version or a
// mistake), or the window opens and loads file when one is named.
struct CommandLine {
    std::optional<int> exitStatus;
    QString file; // absolute, or empty
};

// Why the window system that Qt would start on cannot be reached, or nothing when it can. Looked at before
// the application is made, which Qt would otherwise abort.
std::optional<QString> MissingDisplay(int argc, char** argv);

// Reads the program's arguments, printing the help, the version or the one line of a mistake.
CommandLine ReadCommandLine(const QStringList& arguments);

// Names the program for the desktop, loads Qt's own German texts whatever the desktop's language, and reads
// the command line, printing the help, the version or the one line of a mistake.
CommandLine StartUp(QCoreApplication& application);

// Without a display the command line still answers --help, --version and mistakes; anything else ends with
// the reason on standard error and status 1.
int StartWithoutDisplay(int argc, char** argv, const QString& reason);

} // namespace zifora
