#include "core/GameState.h"

GameState gameState;
