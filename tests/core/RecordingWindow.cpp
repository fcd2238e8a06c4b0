// SPDX-License-Identifier: MIT
#include "tests/core/RecordingWindow.h"

#include <gtest/gtest.h>

void RecordingWindow::AnswerWith(std::int32_t answer) {
    scriptedOutcomes.push_back({ChallengeOutcome::Choice::CheckAnswer, answer});
}

void RecordingWindow::Forfeit() {
    scriptedOutcomes.push_back({ChallengeOutcome::Choice::ForfeitGame, 0});
}

void RecordingWindow::DrawCell(std::int32_t col, std::int32_t row) {
    calls.push_back("DrawCell " + std::to_string(col) + "," + std::to_string(row));
}

void RecordingWindow::RefreshScorePanels() {
    calls.emplace_back("RefreshScorePanels");
}

void RecordingWindow::RefreshCursor() {
    calls.emplace_back("RefreshCursor");
}

void RecordingWindow::PlayGameSound(unsigned soundId, int waitForEnd, int delayBeforeMs, int delayAfterMs) {
    calls.push_back("Sound " + std::to_string(soundId) + " wait " + std::to_string(waitForEnd) + " before " +
                    std::to_string(delayBeforeMs) + " after " + std::to_string(delayAfterMs));
}

ScreenRect RecordingWindow::CellScreenRect(std::int32_t col, std::int32_t row) {
    const std::int32_t left = kWindowLeft + col * kCellSize;
    const std::int32_t top = kWindowTop + row * kCellSize;
    return {left, top, left + kCellSize, top + kCellSize};
}

ScreenRect RecordingWindow::WindowScreenRect() {
    return {kWindowLeft, kWindowTop, kWindowLeft + 638, kWindowTop + 480};
}

ChallengeOutcome RecordingWindow::ShowChallenge(const std::string& question, std::int32_t lineTop,
                                                std::int32_t lineBottom, const ScreenRect& ownerRect) {
    calls.push_back("Challenge" + question);
    challenges.push_back({question, lineTop, lineBottom, ownerRect});
    if (scriptedOutcomes.empty()) {
        ADD_FAILURE() << "unexpected challenge" << question;
        return {ChallengeOutcome::Choice::ForfeitGame, 0};
    }
    const ChallengeOutcome outcome = scriptedOutcomes.front();
    scriptedOutcomes.pop_front();
    return outcome;
}

void RecordingWindow::RequestNewGame() {
    calls.emplace_back("RequestNewGame");
}

void RecordingWindow::RecordResult(OpponentKind kind1, const std::string& name1, std::int32_t score1,
                                   OpponentKind kind2, const std::string& name2, std::int32_t score2,
                                   NumberRange range) {
    calls.push_back("RecordResult " + std::to_string(kind1) + " " + name1 + " " + std::to_string(score1) + " " +
                    std::to_string(kind2) + " " + name2 + " " + std::to_string(score2) + " range " +
                    std::to_string(range));
}

void RecordingWindow::ShowHighScoresDialog() {
    calls.emplace_back("ShowHighScoresDialog");
}

std::vector<std::string> RecordingWindow::CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& call : calls) {
        if (call.starts_with(prefix)) {
            matching.push_back(call);
        }
    }
    return matching;
}
