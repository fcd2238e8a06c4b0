// SPDX-License-Identifier: MIT
#include "platform/shell/CWinApp.h"

#include <QtGlobal>

int main(int argc, char** argv) {
    const ApplicationIdentity identity{
        "quinsum", QUINSUM_VERSION,
        QT_TRANSLATE_NOOP("ApplicationIdentity",
                          "Quinsum: claim three numbers in a row on a 5 x 5 board and add them up."),
        "io.github.quinsum.Quinsum"};
    return RunApplication(argc, argv, identity);
}
