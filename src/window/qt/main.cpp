// SPDX-License-Identifier: MIT
#include "window/form.h"
#include "window/qt/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    zifora::Form1 form;
    zifora::MainWindow window(form);
    window.show();
    return application.exec();
}
