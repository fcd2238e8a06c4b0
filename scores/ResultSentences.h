// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "scores/ScoreTexts.h"

// The sentences that tell how a game went, as the high-score table stores them: in its code page,
// Windows-1252, from the patterns of `texts`. Names are inserted as plain text, so a name containing
// "%" stays what it is.

// The computer's title for a player kind, as `texts` give it (UTF-8): "" for a person (kind 0 or
// below), the novice's, the intermediate's, and the advanced title for kind 3 and any higher kind.
std::string_view ComputerTitle(const ScoreTexts& texts, int kind);

// A person's result: against a person (`otherKind` 0 or below) "<name> achieved the high score
// <score>."; against a computer, by the person's score against the computer's, "<name> beat the
// <title>, achieving a score of <score>.", "<name> tied the <title> and achieved a score of
// <score>." or "<name> lost to the <title> but achieved a score of <score>." `storedName` is already
// in the code page.
std::string ResultSentence(const ScoreTexts& texts, std::string_view storedName, int score, int otherKind,
                           int otherScore);
