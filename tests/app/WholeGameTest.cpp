// SPDX-License-Identifier: MIT
// Whole games through the board window: a person against each computer level, two computers on
// the timer's ticks, two persons with a forfeit, and a forfeit on the last cell.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "dialogs/CAnswerDlg.h"
#include "platform/draw/Resources.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <numeric>

namespace {

int ScoredSum(std::int32_t player) {
    int total = 0;
    for (std::int32_t i = 0; i < gameState.lineCount; ++i) {
        const ScoredLine& line = gameState.lines[static_cast<std::size_t>(i)];
        if (line.player == player) {
            total += line.sum;
        }
    }
    return total;
}

int LinesOf(std::int32_t player) {
    return static_cast<int>(std::count_if(gameState.lines.begin(), gameState.lines.begin() + gameState.lineCount,
                                          [player](const ScoredLine& line) { return line.player == player; }));
}

}  // namespace

class PersonAgainstComputerTest : public BoardFixture, public ::testing::WithParamInterface<OpponentKind> {};

// A whole game against each level: every person's line is answered wrong once, then right, and
// scored; the computer's lines are scored without a question; the end shows the table once.
TEST_P(PersonAgainstComputerTest, PlaysAWholeGameWithWrongAndRightAnswers) {
    AnswerChallenges(true);
    CloseHighScoresWithDone();
    script.Then(IDD_SETTINGS, AcceptSettings(GetParam(), "Ann", "", 1));

    // Claiming the corners and the middle first makes lines for the person likely.
    const std::vector<int> order = {12, 0, 6, 18, 24, 2, 10, 14, 22, 4, 20, 8, 16};
    RunBoard([&](CGameDlg& board) {
        EXPECT_EQ(board.settingsDlg.playerKind[1], GetParam());
        PlayToTheEnd(board, order);
        EXPECT_EQ(gameState.gameOver, 1);
        PressKey(board, Qt::Key_Escape);
    });

    EXPECT_EQ(std::count(gameState.cellOwner.begin(), gameState.cellOwner.end(), 0), 0);
    EXPECT_EQ(highScoresShown, 1);
    // Each of the person's lines: one wrong showing and one right one of the same question.
    ASSERT_EQ(questions.size(), static_cast<std::size_t>(2 * LinesOf(1)));
    for (std::size_t i = 0; i + 1 < questions.size(); i += 2) {
        EXPECT_EQ(questions[i], questions[i + 1]);
    }
    EXPECT_EQ(gameState.score[0], ScoredSum(1));
    EXPECT_EQ(gameState.score[1], ScoredSum(2));

    HighScoreRecords saved;
    saved.SetFilePath(ScoresFile());
    ASSERT_EQ(saved.LoadHighScores(), 0);
    ASSERT_EQ(saved.Table().ranges[1].count, 1);
    EXPECT_NE(saved.LineText(1, 0).find("Ann"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EachLevel, PersonAgainstComputerTest, ::testing::Values(Novice, Intermediate, Expert),
                         [](const ::testing::TestParamInfo<OpponentKind>& level) {
                             return std::string(level.param == Novice         ? "Novice"
                                                : level.param == Intermediate ? "Intermediate"
                                                                              : "Expert");
                         });

using SelfPlayTest = BoardFixture;

// "k9" makes player 1 an expert computer: the game plays itself on timer ticks, one claim a tick,
// with no question asked and no result stored.
TEST_F(SelfPlayTest, TwoComputersPlayTheGameOnTimerTicks) {
    CloseHighScoresWithDone();
    script.Then(IDD_SETTINGS, AcceptSettings(Novice, "k9"));
    int ticks = 0;
    RunBoard([&](CGameDlg& board) {
        EXPECT_EQ(board.settingsDlg.playerKind[0], Expert);
        EXPECT_EQ(board.settingsDlg.playerName[0], "k9");
        ticks = PlayToTheEnd(board);
        board.OnTimer(kComputerTimerId);
        PressKey(board, Qt::Key_Escape);
    });
    EXPECT_EQ(ticks, kCellCount);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(highScoresShown, 1);
    EXPECT_EQ(gameState.score[0], ScoredSum(1));
    EXPECT_EQ(gameState.score[1], ScoredSum(2));

    HighScoreRecords saved;
    saved.SetFilePath(ScoresFile());
    saved.LoadHighScores();
    EXPECT_EQ(saved.Table().ranges[0].count, 0);
}

// The board's own one-second timer goes on under a dialog that leaves the game running (the about
// box from the window menu): the computers claim one cell a tick, never two at once.
TEST_F(SelfPlayTest, TheBoardsTimerMovesTheComputersUnderAnOpenDialog) {
    script.Then(IDD_SETTINGS, AcceptSettings(Novice, "k9"));
    long claimsWhileOpen = 0;
    qint64 twoClaimsTookMs = 0;
    script.Then(IDD_ABOUT, [&](CDialog& about) {
        const auto claimed = [] {
            return std::count_if(gameState.cellOwner.begin(), gameState.cellOwner.end(),
                                 [](std::int32_t owner) { return owner != 0; });
        };
        const auto before = claimed();
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return claimed() >= before + 2; }, 4000));
        twoClaimsTookMs = clock.elapsed();
        claimsWhileOpen = claimed() - before;
        PressKey(about, Qt::Key_Escape);
    });
    RunBoard([&](CGameDlg& board) {
        board.OnSysCommand(IDM_ABOUTBOX);
        PressKey(board, Qt::Key_Escape);
    });
    EXPECT_EQ(claimsWhileOpen, 2);
    EXPECT_GE(twoClaimsTookMs, 900) << "two claims less than a tick apart";
}

using TwoPersonsTest = BoardFixture;

// Player 1 owns (1,0), (2,0), (0,1), (0,2): claiming (0,0) completes the row (pattern 2), then the
// column (pattern 4). The first is answered, the second forfeited.
TEST_F(TwoPersonsTest, ForfeitOnTheSecondLineKeepsTheFirstAndPassesTheTurn) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Ann", "Bob"));
    int challengesShown = 0;
    script.Whenever(IDD_ANSWER, [&](CDialog& dialog) {
        ++challengesShown;
        if (challengesShown == 1) {
            TypeInto(dialog, IDC_ANSWER_BOX, std::to_string(SumOfQuestion(dynamic_cast<CAnswerDlg&>(dialog).question)));
            ClickControl(dialog, IDOK);
        } else {
            ClickControl(dialog, IDCANCEL);
        }
    });
    script.Then(IDD_SETTINGS, CancelDialog());

    RunBoard([&](CGameDlg& board) {
        std::array<std::int32_t, kCellCount> owner{};
        owner[CellIndex(1, 0)] = owner[CellIndex(2, 0)] = owner[CellIndex(0, 1)] = owner[CellIndex(0, 2)] = 1;
        owner[CellIndex(4, 4)] = owner[CellIndex(3, 4)] = owner[CellIndex(4, 3)] = owner[CellIndex(3, 3)] = 2;
        SetPosition(owner, 1);
        sounds.log.clear();

        ClickControl(board, IDC_FIRST_CELL);

        EXPECT_EQ(challengesShown, 2);
        EXPECT_EQ(gameState.lineCount, 1);
        const ScoredLine& row = gameState.lines[0];
        EXPECT_EQ(row.col, (std::array<std::int32_t, 3>{0, 1, 2}));
        EXPECT_EQ(row.row, (std::array<std::int32_t, 3>{0, 0, 0}));
        EXPECT_EQ(gameState.score[0], row.sum);
        EXPECT_EQ(gameState.currentPlayer, 2);
        // The forfeited column keeps its highlight.
        EXPECT_EQ(gameState.highlightCol, (std::array<std::int32_t, 3>{0, 0, 0}));
        EXPECT_EQ(gameState.highlightRow, (std::array<std::int32_t, 3>{0, 1, 2}));
        EXPECT_EQ(sounds.log, (std::vector<std::string>{kFanfare, kClick, kFanfare, kClick}));

        // The new game asked for by the forfeit comes once the claim is over; cancelling it lets
        // the same game go on with Bob to move.
        EXPECT_EQ(script.Pending(), 1u);
        ProcessPostedMessages();
        EXPECT_EQ(script.Pending(), 0u);
        EXPECT_EQ(gameState.gameOver, 0);
        EXPECT_EQ(gameState.currentPlayer, 2);
        EXPECT_EQ(gameState.lineCount, 1);

        EXPECT_EQ(board.cellButtons[2][2]->cursor(), CursorResource(IDCUR_PLAYER2));
        ClickControl(board, IDC_FIRST_CELL + 12);
        EXPECT_EQ(gameState.cellOwner[12], 2);
        PressKey(board, Qt::Key_Escape);
    });
}

using LastClaimTest = BoardFixture;

// A forfeit on the 25th claim: the table of the finished game shows inside the claim, the settings
// of the new game only afterwards.
TEST_F(LastClaimTest, ForfeitOnTheLastCellShowsHighScoresBeforeSettings) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Ann", "Bob"));
    script.Then(IDD_ANSWER, ClickButton(IDCANCEL));
    script.Then(IDD_HIGH_SCORES, ClickButton(IDOK));
    script.Then(IDD_SETTINGS, CancelDialog());
    RunBoard([&](CGameDlg& board) {
        std::array<std::int32_t, kCellCount> owner{};
        for (int cell = 0; cell < kCellCount; ++cell) {
            // Alternating rows: no line for anybody until (0,0) joins (1,0) and (2,0).
            owner[static_cast<std::size_t>(cell)] = (cell / 5 + cell % 5 / 3) % 2 == 0 ? 2 : 1;
        }
        owner[CellIndex(1, 0)] = owner[CellIndex(2, 0)] = 1;
        owner[CellIndex(0, 1)] = owner[CellIndex(1, 1)] = 2;
        owner[CellIndex(0, 0)] = 0;
        SetPosition(owner, 1);
        ClickControl(board, IDC_FIRST_CELL);
        EXPECT_EQ(gameState.gameOver, 1);
        ProcessPostedMessages();
        PressKey(board, Qt::Key_Escape);
    });
    const std::vector<unsigned> expected = {IDD_BOARD, IDD_SETTINGS, IDD_ANSWER, IDD_HIGH_SCORES, IDD_SETTINGS};
    EXPECT_EQ(script.Opened(), expected);
}
