// SPDX-License-Identifier: MIT
#include "core/GameState.h"

GameState gameState;
