// SPDX-License-Identifier: MIT
#pragma once

#include "core/WindowOperations.h"

#include <deque>
#include <string>
#include <vector>

// Window operations that log every call in order and answer challenges from a script.
class RecordingWindow : public WindowOperations {
public:
    struct ChallengeCall {
        std::string question;
        std::int32_t lineTop;
        std::int32_t lineBottom;
        ScreenRect ownerRect;
    };

    // Cells are 76 x 76 pixels on a window whose client area starts at (kWindowLeft, kWindowTop).
    static constexpr std::int32_t kWindowLeft = 200;
    static constexpr std::int32_t kWindowTop = 100;
    static constexpr std::int32_t kCellSize = 76;

    void AnswerWith(std::int32_t answer);
    void Forfeit();

    void DrawCell(std::int32_t col, std::int32_t row) override;
    void RefreshScorePanels() override;
    void RefreshCursor() override;
    void PlayGameSound(unsigned soundId, int waitForEnd, int delayBeforeMs, int delayAfterMs) override;
    ScreenRect CellScreenRect(std::int32_t col, std::int32_t row) override;
    ScreenRect WindowScreenRect() override;
    ChallengeOutcome ShowChallenge(const std::string& question, std::int32_t lineTop, std::int32_t lineBottom,
                                   const ScreenRect& ownerRect) override;
    void RequestNewGame() override;
    void RecordResult(OpponentKind kind1, const std::string& name1, std::int32_t score1, OpponentKind kind2,
                      const std::string& name2, std::int32_t score2, NumberRange range) override;
    void ShowHighScoresDialog() override;

    // The logged calls that start with the given text, e.g. "Sound" or "Challenge".
    std::vector<std::string> CallsStartingWith(const std::string& prefix) const;

    std::vector<std::string> calls;
    std::vector<ChallengeCall> challenges;

private:
    std::deque<ChallengeOutcome> scriptedOutcomes;
};
