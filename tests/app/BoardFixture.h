// SPDX-License-Identifier: MIT
#pragma once

#include "app/CGameDlg.h"
#include "core/GameState.h"
#include "platform/sound/SoundOutput.h"
#include "tests/app/ModalScript.h"
#include "tests/support/Input.h"
#include "tests/support/RecordingSoundOutput.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The sum a challenge " a + b + c = " asks for.
int SumOfQuestion(const std::string& question);

// One board window per test, its high-score file in a fresh directory, sounds recorded instead of
// played and every modal dialog scripted.
class BoardFixture : public ::testing::Test {
protected:
    BoardFixture();
    ~BoardFixture() override;

    std::filesystem::path ScoresFile() const { return directory / "high scores.dat"; }

    // Shows the board modally; once the board's own loop runs, `scenario` acts on it and must end
    // it. Returns the board's DoModal result.
    int RunBoard(const std::function<void(CGameDlg&)>& scenario);

    // Script steps for the settings dialog: the opponent (a kind, or Person with `secondName`),
    // the first name and the range index, then Done.
    ModalScript::Step AcceptSettings(OpponentKind opponent, const std::string& firstName = "Ann",
                                     const std::string& secondName = "Bob", int range = 0);
    static ModalScript::Step CancelDialog();
    static ModalScript::Step ClickButton(int controlId);

    // Answers every challenge: `wrongFirst` gives one wrong answer to each question before the
    // right one. The questions asked are kept in `questions`.
    void AnswerChallenges(bool wrongFirst);
    // Leaves every end-of-game high-scores dialog with Done.
    void CloseHighScoresWithDone();

    // Plays the game until it ends: a person to move clicks the first free cell from `order`
    // (cell indexes), a computer to move gets a timer tick. Returns the number of ticks sent.
    int PlayToTheEnd(CGameDlg& board, const std::vector<int>& order = {});

    // One tick of the board's one-second timer.
    void Tick();

    // Gives the board the cells `owner` says (0 free, 1, 2) with player `toMove` to move.
    static void SetPosition(const std::array<std::int32_t, kCellCount>& owner, std::int32_t toMove);

    CGameDlg* currentBoard = nullptr;
    TemporaryDirectory directory;
    RecordingSoundOutput sounds;
    ScopedSoundOutput soundOutput{sounds};
    ModalScript script;
    std::vector<std::string> questions;
    int highScoresShown = 0;
    bool lastAnswerWrong = false;
};

// Sound log entries.
inline const std::string kClick = "play 303 sync";
inline const std::string kFanfare = "play 306 sync";
inline const std::string kPause = "pause 500";
