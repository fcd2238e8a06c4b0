// SPDX-License-Identifier: MIT
#pragma once
// A session that ends or a Ctrl-C closes the program's windows the way the player would, so that
// everything a window saves when it closes is saved. A second signal ends the program at once.

// Turns SIGTERM, SIGINT and SIGHUP into closing the windows, innermost modal window first; call
// once, after the QApplication exists.
void CloseWindowsOnTerminationSignals();
