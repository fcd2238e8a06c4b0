// SPDX-License-Identifier: MIT
#include "scores/ResultSentences.h"

std::string_view ComputerTitle(int kind) {
    switch (kind) {
    case 1:
        return "Novice Computer";
    case 2:
        return "Intermediate Computer";
    default:
        return kind > 0 ? "Advanced Computer" : "";
    }
}

std::string HighScoreSentence(std::string_view name, int score) {
    std::string sentence(name);
    sentence += " achieved the high score ";
    sentence += std::to_string(score);
    sentence += '.';
    return sentence;
}

std::string VersusComputerSentence(std::string_view personName, int personScore, std::string_view computerTitle,
                                   int computerScore) {
    std::string_view verb = " tied the ";
    std::string_view link = " and achieved a score of ";
    if (personScore > computerScore) {
        verb = " beat the ";
        link = ", achieving a score of ";
    } else if (personScore < computerScore) {
        verb = " lost to the ";
        link = " but achieved a score of ";
    }
    std::string sentence(personName);
    sentence += verb;
    sentence += computerTitle;
    sentence += link;
    sentence += std::to_string(personScore);
    sentence += '.';
    return sentence;
}
