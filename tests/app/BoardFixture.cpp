// SPDX-License-Identifier: MIT
#include "tests/app/BoardFixture.h"
#include "resources/ResourceIds.h"

#include "app/CGameApp.h"
#include "controls/GameSoundPlayer.h"
#include "dialogs/CAnswerDlg.h"
#include "resources/GameDialogTemplates.h"
#include "tests/support/Input.h"

#include <QTimer>
#include <QWidget>

#include <sstream>

BoardFixture::BoardFixture() {
    soundEnabled = 1;
    gameState = GameState{};
}

BoardFixture::~BoardFixture() {
    theApp.m_pMainWnd = nullptr;
    EXPECT_EQ(script.Pending(), 0u) << "scripted dialogs that never opened";
}

int BoardFixture::RunBoard(const std::function<void(CGameDlg&)>& scenario) {
    CGameDlg board;
    board.highScoresDlg.SetFilePath(ScoresFile());
    theApp.m_pMainWnd = &board;
    currentBoard = &board;
    // The board's hook may fire inside the settings dialog that its own set-up asked for; the
    // scenario starts once the board's loop is the running one again (a dialog that runs inside
    // the board leaves the board the application's modal window, so the dialogs are asked).
    std::function<void()> startWhenOnTop = [&]() {
        if (CDialog::Innermost() != &board) {
            QTimer::singleShot(0, &board, [&startWhenOnTop]() { startWhenOnTop(); });
            return;
        }
        ProcessPostedMessages();
        scenario(board);
    };
    script.Whenever(IDD_BOARD, [&startWhenOnTop](CDialog&) { startWhenOnTop(); });
    const int result = board.DoModal();
    theApp.m_pMainWnd = nullptr;
    currentBoard = nullptr;
    return result;
}

ModalScript::Step BoardFixture::AcceptSettings(OpponentKind opponent, const std::string& firstName,
                                               const std::string& secondName, int range) {
    return [=](CDialog& settings) {
        static constexpr int kOpponentButton[] = {IDC_PERSON, IDC_NOVICE, IDC_INTERMEDIATE, IDC_EXPERT};
        ClickControl(settings, kOpponentButton[opponent]);
        TypeInto(settings, IDC_FIRST_NAME, firstName);
        if (opponent == Person) {
            TypeInto(settings, IDC_SECOND_NAME, secondName);
        }
        ClickControl(settings, IDC_RANGE_0_TO_10 + range);
        ClickControl(settings, IDOK);
    };
}

ModalScript::Step BoardFixture::CancelDialog() {
    return [](CDialog& dialog) { PressKey(dialog, Qt::Key_Escape); };
}

ModalScript::Step BoardFixture::ClickButton(int controlId) {
    return [controlId](CDialog& dialog) { ClickControl(dialog, controlId); };
}

void BoardFixture::AnswerChallenges(bool wrongFirst) {
    script.Whenever(IDD_ANSWER, [this, wrongFirst](CDialog& dialog) {
        auto& challenge = dynamic_cast<CAnswerDlg&>(dialog);
        questions.push_back(challenge.question);
        const int sum = SumOfQuestion(challenge.question);
        const bool answerWrong = wrongFirst && !lastAnswerWrong;
        lastAnswerWrong = answerWrong;
        TypeInto(dialog, IDC_ANSWER_BOX, std::to_string(answerWrong ? sum + 1 : sum));
        ClickControl(dialog, IDOK);
    });
}

void BoardFixture::CloseHighScoresWithDone() {
    script.Whenever(IDD_HIGH_SCORES, [this](CDialog& dialog) {
        ++highScoresShown;
        ClickControl(dialog, IDOK);
    });
}

void BoardFixture::Tick() {
    ASSERT_NE(currentBoard, nullptr);
    currentBoard->OnTimer(kComputerTimerId);
}

int BoardFixture::PlayToTheEnd(CGameDlg& board, const std::vector<int>& order) {
    int ticks = 0;
    for (int turn = 0; turn < 200 && gameState.gameOver == 0; ++turn) {
        const std::size_t mover = PlayerIndex(gameState.currentPlayer);
        if (board.settingsDlg.playerKind[mover] > Person) {
            board.OnTimer(kComputerTimerId);
            ++ticks;
            continue;
        }
        std::vector<int> candidates = order;
        for (int cell = 0; cell < kCellCount; ++cell) {
            candidates.push_back(cell);
        }
        for (const int cell : candidates) {
            if (gameState.cellOwner[static_cast<std::size_t>(cell)] == 0) {
                ClickControl(board, IDC_FIRST_CELL + cell);
                break;
            }
        }
    }
    return ticks;
}

void BoardFixture::SetPosition(const std::array<std::int32_t, kCellCount>& owner, std::int32_t toMove) {
    gameState.cellOwner = owner;
    gameState.currentPlayer = toMove;
}

int SumOfQuestion(const std::string& question) {
    std::istringstream in(question);
    int a = 0;
    int b = 0;
    int c = 0;
    char plus1 = 0;
    char plus2 = 0;
    in >> a >> plus1 >> b >> plus2 >> c;
    return a + b + c;
}
