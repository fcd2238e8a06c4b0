// SPDX-License-Identifier: MIT
#include "dialogs/CAnswerDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>
#include <QAccessible>
#include <QWidget>

#include <string>
#include <vector>

#include "controls/GameSoundPlayer.h"
#include "resources/GameDialogTemplates.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

class AnswerDialogTest : public DialogTest {
protected:
    AnswerDialogTest() {
        challenge.question = " 3 + 4 + 5 = ";
        challenge.ownerRect = CRect(0, 0, 646, 506);
        // A line at the very bottom keeps the centred choice.
        challenge.lineTop = 480;
        challenge.lineBottom = 500;
    }

    // Types `keys` into the answer box and presses "Check Answer"; returns what DoModal gave.
    INT_PTR Answer(const std::string& keys) {
        return RunModal(challenge, [&](CDialog& dialog) {
            TypeKeys(dialog, IDC_ANSWER_BOX, keys);
            ClickControl(dialog, IDOK);
        });
    }

    CAnswerDlg challenge;
};

TEST_F(AnswerDialogTest, CheckAnswerReturnsTheTypedNumberAfterTheClick) {
    EXPECT_EQ(Answer("12"), IDOK);
    EXPECT_EQ(challenge.answer, 12);
    EXPECT_EQ(Sounds(), std::vector<std::string>{kClickPlayed});
}

// The title bar is left blank rather than named after the program; the caption stays empty.
TEST_F(AnswerDialogTest, HasNoCaption) {
    RunModal(challenge, [](CDialog& dialog) {
        std::string caption = "unset";
        dialog.GetWindowText(caption);
        EXPECT_EQ(caption, "");
        // A screen reader still hears a name, and what is asked.
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dialog.GetSafeHwnd());
        EXPECT_EQ(window->text(QAccessible::Name).toStdString(), "Add up the line");
        EXPECT_EQ(window->text(QAccessible::Description).toStdString(), " 3 + 4 + 5 = ");
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dialog.GetDlgItem(IDC_ANSWER_BOX)->GetSafeHwnd())
                      ->text(QAccessible::Name)
                      .toStdString(),
                  " 3 + 4 + 5 = ");
        ClickControl(dialog, IDOK);
    });
}

TEST_F(AnswerDialogTest, MinusSignAndDigitsGiveANegativeNumber) {
    EXPECT_EQ(Answer("-17"), IDOK);
    EXPECT_EQ(challenge.answer, -17);
}

TEST_F(AnswerDialogTest, EmptyBoxReadsZero) {
    challenge.answer = 99;
    EXPECT_EQ(Answer(""), IDOK);
    EXPECT_EQ(challenge.answer, 0);
}

TEST_F(AnswerDialogTest, TextStartingWithALetterReadsZero) {
    const INT_PTR result = RunModal(challenge, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_ANSWER_BOX, "x12");
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(challenge.answer, 0);
}

TEST_F(AnswerDialogTest, BoxTakesOnlyDigitsAndOneLeadingMinus) {
    std::string typed;
    RunModal(challenge, [&](CDialog& dialog) {
        TypeKeys(dialog, IDC_ANSWER_BOX, "1a-2 b3+");
        typed = ControlText(dialog, IDC_ANSWER_BOX);
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(typed, "123");
    EXPECT_EQ(challenge.answer, 123);

    RunModal(challenge, [&](CDialog& dialog) {
        TypeKeys(dialog, IDC_ANSWER_BOX, "--8");
        typed = ControlText(dialog, IDC_ANSWER_BOX);
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(typed, "-8");
    EXPECT_EQ(challenge.answer, -8);
}

TEST_F(AnswerDialogTest, BoxTakesKeypadDigits) {
    RunModal(challenge, [](CDialog& dialog) {
        dialog.GetDlgItem(IDC_ANSWER_BOX)->SetFocus();
        PressKey(dialog, Qt::Key_4, Qt::KeypadModifier);
        PressKey(dialog, Qt::Key_2, Qt::KeypadModifier);
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(challenge.answer, 42);
}

TEST_F(AnswerDialogTest, AnswerBoxHasTheFocusAndEnterChecksTheAnswer) {
    const INT_PTR result = RunModal(challenge, [](CDialog& dialog) {
        PressKey(dialog, Qt::Key_7);
        PressKey(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(challenge.answer, 7);
    EXPECT_EQ(Sounds(), std::vector<std::string>{kClickPlayed});
}

TEST_F(AnswerDialogTest, EscapeForfeitsWithTheClickAndWithoutReadingTheAnswer) {
    const INT_PTR result = RunModal(challenge, [](CDialog& dialog) {
        TypeKeys(dialog, IDC_ANSWER_BOX, "5");
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(challenge.answer, 0);
    EXPECT_EQ(Sounds(), std::vector<std::string>{kClickPlayed});
}

TEST_F(AnswerDialogTest, ForfeitButtonCancels) {
    const INT_PTR result = RunModal(challenge, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Sounds(), std::vector<std::string>{kClickPlayed});
}

TEST_F(AnswerDialogTest, WithSoundOffBothButtonsCloseSilently) {
    soundEnabled = 0;
    Answer("1");
    RunModal(challenge, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); });
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(AnswerDialogTest, EveryShowingStartsWithAnEmptyBox) {
    Answer("30");
    std::string shown = "not read";
    RunModal(challenge, [&](CDialog& dialog) {
        shown = ControlText(dialog, IDC_ANSWER_BOX);
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(shown, "");
    EXPECT_EQ(challenge.answer, 0);
}

// Records where the dialog was before and after it placed itself.
class PlacementProbe : public CAnswerDlg {
public:
    BOOL OnInitDialog() override {
        GetWindowRect(&before);
        const BOOL result = CAnswerDlg::OnInitDialog();
        GetWindowRect(&after);
        return result;
    }
    CRect before;
    CRect after;
};

TEST_F(AnswerDialogTest, PlacesItselfClearOfTheLine) {
    PlacementProbe probe;
    probe.ownerRect = CRect(-3, -30, 643, 476);
    const CRect& owner = probe.ownerRect;
    const int middle = owner.top + owner.Height() / 2;

    struct Case {
        int lineTop;
        int lineBottom;
        const char* expected;
    };
    const std::vector<Case> cases{
        {owner.bottom - 80, owner.bottom - 4, "centred"},
        {middle - 38, middle + 38, "top"},
        {owner.top + 4, middle + 38, "bottom"},
    };
    for (const Case& c : cases) {
        probe.lineTop = c.lineTop;
        probe.lineBottom = c.lineBottom;
        RunModal(probe, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); });
        const int height = probe.before.Height();
        const std::string expected = c.expected;
        const int top = expected == "centred" ? owner.top + (owner.Height() - height) / 2
                        : expected == "top"   ? owner.top + 6
                                              : owner.bottom - height - 6;
        EXPECT_EQ(probe.after, CRect(probe.before.left + 6, top, probe.before.right + 6, top + height)) << expected;
    }
}

}  // namespace
