// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// The widget tests run on the real widgets without a display unless the caller chose a platform.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // ctest lists the tests at build time; listing needs neither Qt nor a display.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
