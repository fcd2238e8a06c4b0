// SPDX-License-Identifier: MIT
#include "bench/desktop/GameTour.h"

#include <X11/keysym.h>

#include <array>
#include <thread>

namespace {

// Client pixels of the board (10-point template: 2 pixels a dialog unit each way) and of the
// dialogs that open at its client origin (settings, 8-point: 1.5 x 1.625; menu, 10-point).
constexpr int kCellOrigin = 8;
constexpr int kCellSize = 76;
constexpr int kMenuButtonX = 198;
constexpr int kMenuButtonY = 445;
constexpr int kPersonX = 76;
constexpr int kPersonY = 148;
constexpr int kDoneX = 207;
constexpr int kDoneY = 296;
constexpr int kHighScoresX = 110;
constexpr int kHighScoresY = 41;

// Claimed in this order by two players taking turns, no cell ever completes a line.
constexpr std::array<int, 25> kNoLineOrder = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  11, 10, 13,
                                              12, 15, 14, 17, 16, 19, 18, 20, 21, 22, 23, 24};
// The first mover takes the top row's first three cells; the other player stays off it.
constexpr std::array<int, 5> kFirstMoverLine = {0, 5, 1, 6, 2};

constexpr double kClickSettle = 0.4;
// The click, the pause after a claim without a line, and some slack.
constexpr double kClaimSeconds = 0.9;
// The fanfare of a completed line, then the challenge opens.
constexpr double kFanfareSeconds = 3.5;

}  // namespace

GameTour::GameTour(XSession& session, Window board)
    : session_(session), board_(board), origin_(session.WindowArea(board)) {}

void GameTour::ClickClient(int x, int y, double settleSeconds) {
    session_.Click(origin_.x + x, origin_.y + y);
    session_.Idle(settleSeconds);
}

ScreenRect GameTour::CellArea(int cell) const {
    return ScreenRect{kCellOrigin + kCellSize * (cell % 5), kCellOrigin + kCellSize * (cell / 5), kCellSize, kCellSize};
}

void GameTour::DealPersonAgainstPerson() {
    ClickClient(kPersonX, kPersonY, kClickSettle);
    ClickClient(kDoneX, kDoneY, kClickSettle);
}

void GameTour::RestPointerOnCell(int cell) {
    const ScreenRect area = CellArea(cell);
    session_.MovePointer(origin_.x + area.x + area.width / 2, origin_.y + area.y + area.height / 2);
}

void GameTour::OpenMenu() {
    ClickClient(kMenuButtonX, kMenuButtonY, kClickSettle);
}

void GameTour::OpenHighScoresFromMenu() {
    OpenMenu();
    ClickClient(kHighScoresX, kHighScoresY, kClickSettle);
}

void GameTour::OpenChallenge() {
    for (const int cell : kFirstMoverLine) {
        const ScreenRect area = CellArea(cell);
        ClickClient(area.x + area.width / 2, area.y + area.height / 2, kClaimSeconds);
    }
    session_.Idle(kFanfareSeconds);
}

void GameTour::Escape() {
    session_.PressKey(XK_Escape);
    session_.Idle(kClickSettle);
}

std::vector<GameTour::Claim> GameTour::TimeClaims(int count, SoundWatcher& sound) {
    std::vector<Claim> claims;
    for (int i = 0; i < count && i < static_cast<int>(kNoLineOrder.size()); ++i) {
        const ScreenRect cell = CellArea(kNoLineOrder[static_cast<std::size_t>(i)]);
        RestPointerOnCell(kNoLineOrder[static_cast<std::size_t>(i)]);
        // The press shows the pressed tile; the claim comes with the release.
        session_.PressButton();
        session_.WaitForDrawing(cell, SecondsFromNow(0.3));
        session_.Idle(0.05);
        session_.DropDrawing();
        sound.SkipWritten();

        Claim claim;
        const TimePoint released = Clock::now();
        session_.ReleaseButton();
        if (const auto drawn = session_.WaitForDrawing(cell, SecondsFromNow(2), [&sound] { sound.Poll(); })) {
            claim.repaintMs = MillisecondsBetween(released, *drawn);
        }
        for (const TimePoint deadline = SecondsFromNow(1); !sound.SoundStarted() && Clock::now() < deadline;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            sound.Poll();
        }
        if (const auto heard = sound.SoundStarted()) {
            claim.soundMs = MillisecondsBetween(released, *heard);
        }
        claims.push_back(claim);
        session_.Idle(kClaimSeconds);
    }
    return claims;
}
