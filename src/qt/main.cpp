// SPDX-License-Identifier: MIT
#include "window/form.h"
#include "qt/main_window.h"
#include "qt/start_up.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<QString> reason = zifora::MissingDisplay(argc, argv)) {
        return zifora::StartWithoutDisplay(argc, argv, *reason);
    }
    QApplication application(argc, argv);
    const zifora::CommandLine commandLine = zifora::StartUp(application);
    if (commandLine.exitStatus) {
        return *commandLine.exitStatus;
    }
    zifora::Form1 form;
    zifora::MainWindow window(form);
    window.show();
    if (!commandLine.file.isEmpty()) {
        window.LoadFile(commandLine.file);
    }
    return application.exec();
}
