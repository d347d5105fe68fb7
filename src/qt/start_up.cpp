// SPDX-License-Identifier: MIT
#include "qt/start_up.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstring>
#include <xcb/xcb.h>

namespace zifora {
namespace {

constexpr int kMistakeStatus = 2;
constexpr int kNoDisplayStatus = 1;

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

bool XServerAnswers()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// The platforms Qt tries, in order: the -platform argument, else QT_QPA_PLATFORM, else Wayland or X11.
QStringList PlatformNames(int argc, char** argv)
{
    QString names = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int argument = 1; argument + 1 < argc; ++argument) {
        if (std::strcmp(argv[argument], "-platform") == 0) {
            names = QString::fromLocal8Bit(argv[argument + 1]);
        }
    }
    if (names.isEmpty()) {
        return {QStringLiteral("wayland"), QStringLiteral("xcb")};
    }
    QStringList platforms;
    for (const QString& name : names.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        platforms.append(name.section(QLatin1Char(':'), 0, 0)); // without the platform's options
    }
    return platforms;
}

void InstallGermanTranslations(QCoreApplication& application)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

CommandLine Mistake(const QString& text)
{
    Print(stderr, QStringLiteral("zifora: %1\n").arg(text));
    return {kMistakeStatus, {}};
}

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zifora führt Buch, während Sie ein 9×9-Zahlenrätsel von Hand lösen."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Zeigt diese Hilfe."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Zeigt die Versionsnummer."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("DATEI"),
        QStringLiteral("Rätseldatei, die gleich nach dem Start geladen wird, wie im Dialog „Datei“ gewählt."),
        QStringLiteral("[DATEI]"));
    if (!parser.parse(arguments)) {
        return Mistake(parser.errorText());
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return {0, {}};
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("zifora " ZIFORA_VERSION "\n"));
        return {0, {}};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return Mistake(QStringLiteral("nur eine DATEI auf einmal, nicht %1").arg(files.size()));
    }
    // The dialog hands back absolute paths; a name given here reads the same in Text2 and the dialog.
    return {std::nullopt, files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absoluteFilePath()};
}

std::optional<QString> MissingDisplay(int argc, char** argv)
{
    for (const QString& platform : PlatformNames(argc, argv)) {
        if (platform == QLatin1String("xcb")) {
            if (XServerAnswers()) {
                return std::nullopt;
            }
        } else if (platform.startsWith(QLatin1String("wayland"))) {
            if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
                return std::nullopt;
            }
        } else {
            return std::nullopt; // offscreen, vnc and the like need no display of the desktop's
        }
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    return display.isEmpty() ? QStringLiteral("weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt")
                             : QStringLiteral("die Anzeige %1 antwortet nicht").arg(display);
}

CommandLine StartUp(QCoreApplication& application)
{
    // On X11 Qt names the window's class after the application: the desktop matches it to the menu entry.
    QCoreApplication::setApplicationName(QStringLiteral("de.zifora.Zifora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZIFORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zifora.Zifora"));
    InstallGermanTranslations(application);
    return ReadCommandLine(QCoreApplication::arguments());
}

int StartWithoutDisplay(int argc, char** argv, const QString& reason)
{
    QCoreApplication application(argc, argv);
    const CommandLine commandLine = StartUp(application);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    Print(stderr, QStringLiteral("zifora: Zifora braucht eine grafische Sitzung, aber %1.\n").arg(reason));
    return kNoDisplayStatus;
}

} // namespace zifora
