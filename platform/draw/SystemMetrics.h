// SPDX-License-Identifier: MIT
#pragma once
// The few system measures the game reads: the icon size (32 x 32); 0 for any other index.

#include "platform/WinTypes.h"

int GetSystemMetrics(int index);
