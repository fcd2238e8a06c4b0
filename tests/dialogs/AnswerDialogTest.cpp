// SPDX-License-Identifier: MIT
#include "dialogs/CAnswerDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <string>
#include <vector>

#include "controls/GameSoundPlayer.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

using Played = std::vector<std::string>;

class AnswerDialogTest : public DialogTest {
protected:
    AnswerDialogTest() {
        challenge.question = " 3 + 4 + 5 = ";
        challenge.ownerRect = QRect(0, 0, 646, 506);
        // A line at the very bottom keeps the centred place.
        challenge.lineTop = 480;
        challenge.lineBottom = 500;
    }

    // Types `keys` into the answer box and presses "Check Answer"; returns what DoModal gave.
    int Answer(const std::string& keys) {
        return RunModal(challenge, [&](CDialog& dialog) {
            TypeKeys(dialog, IDC_ANSWER_BOX, keys);
            ClickControl(dialog, IDOK);
        });
    }

    CAnswerDlg challenge;
};

TEST_F(AnswerDialogTest, CheckAnswerReadsTheTypedNumberAfterTheClick) {
    EXPECT_EQ(Answer("12"), IDOK);
    EXPECT_EQ(challenge.answer, 12);
    EXPECT_EQ(Sounds(), Played{kClickPlayed});

    EXPECT_EQ(Answer("-17"), IDOK);
    EXPECT_EQ(challenge.answer, -17);

    EXPECT_EQ(Answer(""), IDOK);
    EXPECT_EQ(challenge.answer, 0) << "an empty box reads 0";

    // Text that does not start with a number reads 0, however it got into the box.
    EXPECT_EQ(RunModal(challenge,
                       [](CDialog& dialog) {
                           dialog.SetDlgItemText(IDC_ANSWER_BOX, "x12");
                           ClickControl(dialog, IDOK);
                       }),
              IDOK);
    EXPECT_EQ(challenge.answer, 0);
}

TEST_F(AnswerDialogTest, BoxTakesOnlyDigitsAndOneLeadingMinus) {
    const auto typed = [this](const std::function<void(CDialog&)>& typing) {
        std::string text;
        RunModal(challenge, [&](CDialog& dialog) {
            typing(dialog);
            text = dialog.GetDlgItemText(IDC_ANSWER_BOX);
            ClickControl(dialog, IDOK);
        });
        return text;
    };
    EXPECT_EQ(typed([](CDialog& dialog) { TypeKeys(dialog, IDC_ANSWER_BOX, "1a-2 b3+"); }), "123");
    EXPECT_EQ(challenge.answer, 123);
    EXPECT_EQ(typed([](CDialog& dialog) { TypeKeys(dialog, IDC_ANSWER_BOX, "--8"); }), "-8");
    EXPECT_EQ(challenge.answer, -8);
    EXPECT_EQ(typed([](CDialog& dialog) {
                  PressKey(dialog, Qt::Key_4, Qt::KeypadModifier);
                  PressKey(dialog, Qt::Key_2, Qt::KeypadModifier);
              }),
              "42");
    EXPECT_EQ(challenge.answer, 42);
}

TEST_F(AnswerDialogTest, AnswerBoxHasTheFocusAndEnterChecksTheAnswer) {
    const int result = RunModal(challenge, [](CDialog& dialog) {
        PressKey(dialog, Qt::Key_7);
        PressKey(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(challenge.answer, 7);
    EXPECT_EQ(Sounds(), Played{kClickPlayed});
}

TEST_F(AnswerDialogTest, ForfeitEscapeAndTheCloseBoxCancelWithTheClickWithoutReadingTheAnswer) {
    EXPECT_EQ(RunModal(challenge,
                       [](CDialog& dialog) {
                           TypeKeys(dialog, IDC_ANSWER_BOX, "5");
                           PressKey(dialog, Qt::Key_Escape);
                       }),
              IDCANCEL);
    EXPECT_EQ(challenge.answer, 0);
    EXPECT_EQ(RunModal(challenge, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(RunModal(challenge, [](CDialog& dialog) { dialog.close(); }), IDCANCEL);
    EXPECT_EQ(Sounds(), Played(3, kClickPlayed));
}

TEST_F(AnswerDialogTest, WithSoundOffBothButtonsCloseSilently) {
    soundEnabled = 0;
    EXPECT_EQ(Answer("1"), IDOK);
    EXPECT_EQ(RunModal(challenge, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); }), IDCANCEL);
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(AnswerDialogTest, AfterAWrongAnswerTheNextShowingStartsWithAnEmptyBoxAndTheSameQuestion) {
    Answer("30");
    std::string shown = "not read";
    RunModal(challenge, [&](CDialog& dialog) {
        shown = dialog.GetDlgItemText(IDC_ANSWER_BOX);
        EXPECT_EQ(challenge.questionLabel->GetCaption(), " 3 + 4 + 5 = ");
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(shown, "");
    EXPECT_EQ(challenge.answer, 0);
}

// No caption on screen; a screen reader still hears a name, and what is asked.
TEST_F(AnswerDialogTest, NoCaptionButANameAndTheQuestionForScreenReaders) {
    RunModal(challenge, [](CDialog& dialog) {
        EXPECT_TRUE(dialog.windowTitle().trimmed().isEmpty());
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dialog);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->text(QAccessible::Name).toStdString(), "Add up the line");
        EXPECT_EQ(window->text(QAccessible::Description).toStdString(), " 3 + 4 + 5 = ");
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(dialog.GetDlgItem(IDC_ANSWER_BOX));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(QAccessible::Name).toStdString(), "3 + 4 + 5 =");
        // The question shows on a picture that takes no focus.
        QAccessibleInterface* question = QAccessible::queryAccessibleInterface(dialog.GetDlgItem(IDC_QUESTION));
        EXPECT_EQ(question->role(), QAccessible::StaticText);
        EXPECT_FALSE(question->state().focusable);
        ClickControl(dialog, IDOK);
    });
}

// Records where the dialog was before and after it placed itself.
class PlacementProbe : public CAnswerDlg {
public:
    bool OnInitDialog() override {
        before = WindowRect();
        const bool result = CAnswerDlg::OnInitDialog();
        after = WindowRect();
        return result;
    }
    QRect before;
    QRect after;
};

// The board builds a new challenge for every showing.
TEST_F(AnswerDialogTest, PlacesItselfClearOfTheLine) {
    const QRect owner(-3, -30, 646, 506);
    const int ownerBottom = owner.top() + owner.height();
    const int middle = owner.top() + owner.height() / 2;

    struct Case {
        int lineTop;
        int lineBottom;
        const char* expected;
    };
    for (const Case& c : {Case{ownerBottom - 80, ownerBottom - 4, "centred"}, Case{middle - 38, middle + 38, "top"},
                          Case{owner.top() + 4, middle + 38, "bottom"}}) {
        PlacementProbe probe;
        probe.ownerRect = owner;
        probe.lineTop = c.lineTop;
        probe.lineBottom = c.lineBottom;
        RunModal(probe, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); });
        const int height = probe.before.height();
        const std::string expected = c.expected;
        const int top = expected == "centred" ? owner.top() + (owner.height() - height) / 2
                        : expected == "top"   ? owner.top() + 6
                                              : ownerBottom - height - 6;
        EXPECT_EQ(probe.after, QRect(probe.before.left() + 6, top, probe.before.width(), height)) << expected;
    }
}

}  // namespace
