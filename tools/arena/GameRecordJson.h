// SPDX-License-Identifier: MIT
#pragma once

#include "tools/arena/SelfPlayArena.h"

#include <string>

// One finished game as a JSON object without spaces on one line, newline included:
// {"range":R,"players":[K1,K2],"first":P,"numbers":[...25],"moves":[[col,row],...],
//  "lines":[[player,col0,col1,col2,row0,row1,row2,sum],...],"score":[S1,S2]}
std::string GameRecordJson(const SelfPlayRecord& record, const GameState& state, const GameSettings& settings);
