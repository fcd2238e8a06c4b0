// SPDX-License-Identifier: MIT
#include "platform/draw/SystemMetrics.h"

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    default:
        return 0;
    }
}
