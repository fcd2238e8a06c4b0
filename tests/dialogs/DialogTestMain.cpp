// SPDX-License-Identifier: MIT
// The dialogs need the application object; listing the tests does not, so test discovery at build
// time runs without a display.

#include <gtest/gtest.h>

#include <QApplication>

#include "resources/DialogTemplates.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    RegisterGameDialogTemplates();
    return RUN_ALL_TESTS();
}
