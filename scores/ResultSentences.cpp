// SPDX-License-Identifier: MIT
#include "scores/ResultSentences.h"

#include "scores/Windows1252.h"

#include <algorithm>

std::string_view ComputerTitle(const ScoreTexts& texts, int kind) {
    if (kind <= 0) {
        return {};
    }
    return texts.computerTitles[static_cast<std::size_t>(std::min(kind, 3) - 1)];
}

std::string ResultSentence(const ScoreTexts& texts, std::string_view storedName, int score, int otherKind,
                           int otherScore) {
    const std::string scoreText = std::to_string(score);
    if (otherKind <= 0) {
        return FillPattern(Utf8ToWindows1252(texts.highScore), {storedName, scoreText});
    }
    const std::string& pattern = score > otherScore   ? texts.beatComputer
                                 : score < otherScore ? texts.lostToComputer
                                                      : texts.tiedComputer;
    return FillPattern(Utf8ToWindows1252(pattern),
                       {storedName, Utf8ToWindows1252(ComputerTitle(texts, otherKind)), scoreText});
}
