// SPDX-License-Identifier: MIT
#pragma once

#include "core/WindowOperations.h"

// Window operations for games nobody watches: nothing is drawn or played, and no result is kept.
// Only computers play here, and they are never challenged.
class HeadlessWindow : public WindowOperations {
public:
    void DrawCell(std::int32_t, std::int32_t) override {}
    void RefreshScorePanels() override {}
    void RefreshCursor() override {}
    void PlayGameSound(unsigned, int, int, int) override {}
    ScreenRect CellScreenRect(std::int32_t, std::int32_t) override { return {}; }
    ScreenRect WindowScreenRect() override { return {}; }
    ChallengeOutcome ShowChallenge(const std::string&, std::int32_t, std::int32_t, const ScreenRect&) override {
        return {ChallengeOutcome::Choice::ForfeitGame, 0};
    }
    void RequestNewGame() override {}
    void RecordResult(OpponentKind, const std::string&, std::int32_t, OpponentKind, const std::string&, std::int32_t,
                      NumberRange) override {}
    void ShowHighScoresDialog() override {}
};
