// SPDX-License-Identifier: MIT
// The window tests need the application object, the game's templates and an application object
// of the framework (the owner of template dialogs); listing the tests needs none of them.

#include <gtest/gtest.h>

#include <QApplication>

#include "resources/DialogTemplates.h"
#include "tests/platform/WindowTestSupport.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    RegisterGameDialogTemplates();
    RegisterTestTemplates();
    TestApp app;
    return RUN_ALL_TESTS();
}
