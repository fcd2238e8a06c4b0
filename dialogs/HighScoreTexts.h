// SPDX-License-Identifier: MIT
#pragma once
// The high-score layer's sentences and save problems in the player's language.

#include "scores/ScoreTexts.h"

ScoreTexts TranslatedScoreTexts();
