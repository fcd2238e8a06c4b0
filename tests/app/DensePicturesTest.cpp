// SPDX-License-Identifier: MIT
// The twice-as-dense pictures cost a screen of ordinary density nothing: a twin is read only when
// a painter of a higher pixel ratio draws its picture.
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include "dialogs/CAnswerDlg.h"
#include "platform/draw/Resources.h"
#include "resources/GameDialogTemplates.h"
#include "tests/support/ModalRun.h"

#include <QImage>
#include <QWidget>

namespace {

void RenderAt(const CWnd& window, qreal ratio) {
    QWidget* widget = window.GetSafeHwnd();
    QImage image(widget->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    widget->render(&image);
}

class DensePicturesTest : public BoardFixture {
protected:
    // A game of two people up to its first line (claims in board order complete a diagonal), with
    // the settings, the board, the challenge and then the high scores rendered at `ratio`.
    void PlayRenderingEveryWindowAt(qreal ratio) {
        script.Then(IDD_SETTINGS, [this, ratio](CDialog& settings) {
            RenderAt(settings, ratio);
            AcceptSettings(Person)(settings);
        });
        script.Then(IDD_ANSWER, [ratio](CDialog& challenge) {
            RenderAt(challenge, ratio);
            const int sum = SumOfQuestion(dynamic_cast<CAnswerDlg&>(challenge).question);
            TypeInto(challenge, IDC_ANSWER_BOX, std::to_string(sum));
            ClickControl(challenge, IDOK);
        });
        RunBoard([ratio](CGameDlg& board) {
            RenderAt(board, ratio);
            for (int cell = 0; cell < kCellCount && gameState.lineCount == 0; ++cell) {
                ClickControl(board, static_cast<int>(IDC_FIRST_CELL) + cell);
            }
            ProcessPostedMessages();
            RenderAt(board, ratio);
            PressKey(board, Qt::Key_Escape);
        });
        CHighScoresDlg table;
        table.SetFilePath(ScoresFile());
        table.LoadHighScores();
        RunModal(table, [ratio](CDialog& dialog) {
            RenderAt(dialog, ratio);
            PressKey(dialog, Qt::Key_Escape);
        });
    }
};

}  // namespace

TEST_F(DensePicturesTest, AnOrdinaryScreenReadsNoTwin) {
    PlayRenderingEveryWindowAt(1);
    EXPECT_TRUE(HighDensityBitmapsRead().empty());
}

TEST_F(DensePicturesTest, ADenseScreenReadsTheTwinsOfWhatItDraws) {
    PlayRenderingEveryWindowAt(2);
    const std::set<UINT> read = HighDensityBitmapsRead();
    for (const UINT drawn : {IDB_BOARD_BACKGROUND, IDB_FREE_CELL, IDB_PLAYER1_PLATE, IDB_DIALOG_BACKGROUND, IDB_DONE,
                             IDB_QUESTION, IDB_FORFEIT}) {
        EXPECT_TRUE(read.contains(drawn)) << drawn;
    }
    EXPECT_FALSE(read.contains(IDB_MENU_BACKGROUND));
}
