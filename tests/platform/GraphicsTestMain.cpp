// SPDX-License-Identifier: MIT
// Drawing needs the application object (fonts, pixmaps, cursors); listing the tests does not,
// so test discovery at build time runs without a display.

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
