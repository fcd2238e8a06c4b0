// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The sentences that tell how a game went, as the high-score table stores them. Names are
// inserted as plain text, so a name containing "%" stays what it is.

// The computer's title for a player kind: "" for a person (kind 0 or below), "Novice Computer",
// "Intermediate Computer", and "Advanced Computer" for kind 3 and any higher computer kind.
std::string_view ComputerTitle(int kind);

// "<name> achieved the high score <score>."
std::string HighScoreSentence(std::string_view name, int score);

// A person's result against a computer, by the person's score against the computer's:
// "<name> beat the <title>, achieving a score of <score>.", "<name> tied the <title> and achieved
// a score of <score>." or "<name> lost to the <title> but achieved a score of <score>."
std::string VersusComputerSentence(std::string_view personName, int personScore, std::string_view computerTitle,
                                   int computerScore);
