// SPDX-License-Identifier: MIT
// What a screen reader hears of the game of its own accord: each claim and whom it brings a line,
// the challenge's outcome, a forfeit, whose turn it is, and the end of the game with both scores.
// The turn stays in the board's status bar for the screen reader to read again.
#include "app/CGameDlg.h"

#include "platform/access/Announcements.h"

#include <algorithm>

namespace {

QString NameOf(const GameSettings& settings, std::int32_t player) {
    return QString::fromStdString(settings.playerName[PlayerIndex(player)]);
}

}  // namespace

std::int32_t CGameDlg::ClaimedCells() {
    return static_cast<std::int32_t>(std::count_if(gameState.cellOwner.begin(), gameState.cellOwner.end(),
                                                   [](std::int32_t owner) { return owner != 0; }));
}

void CGameDlg::BeginNarration() {
    narration = {gameState.currentPlayer, gameState.lineCount};
}

QString CGameDlg::ClaimedNumber() const {
    return QString::number(gameState.cellNumber[CellIndex(gameState.lastMoveCol, gameState.lastMoveRow)]);
}

void CGameDlg::NarrateLineFound() {
    if (std::exchange(narration.lineTold, true)) {
        return;
    }
    Announce(this, tr("%1 claims %2, completes a line.").arg(NameOf(settingsDlg, narration.mover), ClaimedNumber()));
}

QString CGameDlg::ClaimOutcome() const {
    QString told =
        narration.lineTold ? QString() : tr("%1 claims %2.").arg(NameOf(settingsDlg, narration.mover), ClaimedNumber());
    for (std::int32_t index = narration.linesBefore; index < gameState.lineCount; ++index) {
        const ScoredLine& line = gameState.lines[static_cast<std::size_t>(index)];
        const bool person = settingsDlg.playerKind[PlayerIndex(line.player)] == Person;
        told += QLatin1Char(' ') + (person ? tr("Right, %1 scores %2.") : tr("%1 scores %2."))
                                       .arg(NameOf(settingsDlg, line.player), QString::number(line.sum));
    }
    return told.trimmed();
}

void CGameDlg::EndNarration(bool forfeited) {
    if (narration.mover == 0) {
        return;
    }
    QString told = ClaimOutcome();
    if (forfeited) {
        told += QLatin1Char(' ') + tr("%1 forfeits the game.").arg(NameOf(settingsDlg, narration.mover));
    } else if (gameState.gameOver == 0) {
        told += QLatin1Char(' ') + tr("%1 to move.").arg(NameOf(settingsDlg, gameState.currentPlayer));
    }
    Announce(this, told.trimmed());
    narration = {};
}

QString CGameDlg::GameOverTold() {
    const std::int32_t first = gameState.score[0];
    const std::int32_t second = gameState.score[1];
    QString told =
        tr("Game over. %1 %2, %3 %4.")
            .arg(NameOf(settingsDlg, 1), QString::number(first), NameOf(settingsDlg, 2), QString::number(second));
    told += QLatin1Char(' ') +
            (first == second ? tr("A tie.") : tr("%1 wins.").arg(NameOf(settingsDlg, first > second ? 1 : 2)));
    told = (ClaimOutcome() + QLatin1Char(' ') + told).trimmed();
    narration = {};
    return told;
}

void CGameDlg::AnnounceNewGame() {
    Announce(this, tr("New game. %1 to move.").arg(NameOf(settingsDlg, gameState.currentPlayer)));
}

void CGameDlg::ShowTurn() {
    if (!IsValidPlayer(gameState.currentPlayer)) {
        SetStatus(this, tr("No game dealt yet"));
    } else if (gameState.gameOver != 0) {
        SetStatus(this, tr("No game under way"));
    } else {
        SetStatus(this, tr("%1 to move").arg(NameOf(settingsDlg, gameState.currentPlayer)));
    }
}
