// SPDX-License-Identifier: MIT
// Dialogs built from templates: geometry in pixels, frames, tab order, groups, data exchange,
// the modal loop's results from buttons, keys and the close box, placement over the owner.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "platform/dialog/CButton.h"
#include "platform/dialog/DataExchange.h"
#include "platform/dialog/DialogUnits.h"
#include "platform/window/WindowHost.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"
#include "tests/platform/WindowTestSupport.h"

namespace {

CRect ClientRectOf(CDialog& dialog, int id) {
    CRect rect;
    dialog.GetDlgItem(id)->GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    return rect;
}

}  // namespace

TEST(DialogUnits, FixedBaseUnitsPerFontSize) {
    EXPECT_EQ(DialogBaseUnits(8), CSize(6, 13));
    EXPECT_EQ(DialogBaseUnits(10), CSize(8, 16));
    EXPECT_EQ(DialogBaseUnits(14), CSize(11, 24));
    EXPECT_EQ(DialogBaseUnits(12), CSize(8, 16));  // nearest listed size below
    EXPECT_EQ(DialogRectToPixels(4, 4, 38, 38, 10), CRect(8, 8, 84, 84));
    EXPECT_EQ(DialogUnitsToPixelsX(1, 8), 2);  // 1.5 rounds away from zero
    EXPECT_EQ(DialogUnitsToPixelsY(3, 8), 5);  // 4.875
}

TEST(DialogBuild, BoardTemplateGivesItsPixelGeometry) {
    RecordingDialog board(IDD_BOARD);
    RunModal(board, [](CDialog& dialog) {
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client, CRect(0, 0, 638, 480));
        EXPECT_EQ(ClientRectOf(dialog, 1030), CRect(8, 8, 84, 84));
        EXPECT_EQ(ClientRectOf(dialog, 1054), CRect(312, 312, 388, 388));
        EXPECT_EQ(ClientRectOf(dialog, IDC_MENU_BUTTON), CRect(102, 418, 294, 472));
        // The list frames exist but are not shown; the picture static takes its picture's size.
        EXPECT_EQ(dialog.GetDlgItem(IDC_PLAYER1_LIST)->GetStyle() & WS_VISIBLE, 0u);
        EXPECT_FALSE(dialog.GetDlgItem(IDC_PLAYER2_LIST)->GetSafeHwnd()->isVisible());
        CRect picture = ClientRectOf(dialog, -1);
        EXPECT_EQ(picture.TopLeft(), CPoint(16, 418));
        EXPECT_EQ(CSize(picture.Width(), picture.Height()), CSize(53, 53));
        const Qt::WindowFlags flags = dialog.m_hWnd->windowFlags();
        EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
        dialog.EndDialog(IDOK);
    });
}

TEST(DialogBuild, ChallengeTemplateUsesFourteenPointUnitsAndFocusesTheAnswerBox) {
    RecordingDialog answer(IDD_ANSWER);
    RunModal(answer, [](CDialog& dialog) {
        CRect client;
        dialog.GetClientRect(&client);
        EXPECT_EQ(client, CRect(0, 0, 396, 132));
        EXPECT_EQ(ClientRectOf(dialog, IDOK), CRect(201, 69, 399, 132));
        EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(IDC_ANSWER_BOX));
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(DialogBuild, FramesFollowTheTemplateStyle) {
    RecordingDialog menu(IDD_MENU);
    RunModal(menu, [](CDialog& dialog) {
        EXPECT_TRUE(dialog.m_hWnd->windowFlags().testFlag(Qt::FramelessWindowHint));
        dialog.EndDialog(IDCANCEL);
    });
    RecordingDialog settings(IDD_SETTINGS);
    RunModal(settings, [](CDialog& dialog) {
        EXPECT_EQ(dialog.m_hWnd->windowTitle(), QString("Settings for this Game..."));
        EXPECT_FALSE(dialog.m_hWnd->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        dialog.EndDialog(IDCANCEL);
    });
    RecordingDialog about(IDD_ABOUT);
    RunModal(about, [](CDialog& dialog) {
        EXPECT_TRUE(dialog.m_hWnd->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        std::string link;
        dialog.GetDlgItemText(IDC_HELP_LINK, link);
        EXPECT_EQ(link, "quinsum-help.html");
        EXPECT_NE(dialog.GetDlgItem(IDC_ABOUT_NOTICE), nullptr);
        dialog.EndDialog(IDOK);
    });
}

TEST(DialogBuild, TemplateFontKeepsTheLabelsInsideTheirBoxes) {
    RecordingDialog settings(IDD_SETTINGS);
    RunModal(settings, [](CDialog& dialog) {
        for (const int id : {IDC_FIRST_NAME_LABEL, IDC_OPPONENT_LABEL, IDC_SECOND_NAME_LABEL, IDC_RANGE_LABEL}) {
            QWidget* label = dialog.GetDlgItem(id)->m_hWnd;
            std::string text;
            dialog.GetDlgItemText(id, text);
            EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromStdString(text)), label->width()) << id;
        }
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(DialogBuild, TabOrderFollowsTheTemplate) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        QWidget* first = dialog.GetDlgItem(kEditNarrow)->m_hWnd;
        EXPECT_TRUE(first->hasFocus());
        EXPECT_EQ(first->nextInFocusChain(), dialog.GetDlgItem(kEditWide)->m_hWnd);
        dialog.EndDialog(IDOK);
    });
}

TEST(DialogBuild, HiddenControlsStayHidden) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        EXPECT_FALSE(dialog.GetDlgItem(kHiddenStatic)->GetSafeHwnd()->isVisible());
        EXPECT_TRUE(dialog.GetDlgItem(kPlainStatic)->GetSafeHwnd()->isVisible());
        dialog.EndDialog(IDOK);
    });
}

TEST(DialogGroups, WalkForwardWithinTheGroupAndWrap) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* a = dialog.GetDlgItem(kRadioA);
        CWnd* b = dialog.GetDlgItem(kRadioB);
        CWnd* c = dialog.GetDlgItem(kRadioC);
        EXPECT_EQ(dialog.GetNextDlgGroupItem(a), b);
        EXPECT_EQ(dialog.GetNextDlgGroupItem(b), c);
        EXPECT_EQ(dialog.GetNextDlgGroupItem(c), a);
        EXPECT_EQ(dialog.GetNextDlgGroupItem(a, TRUE), c);
        b->EnableWindow(FALSE);
        EXPECT_EQ(dialog.GetNextDlgGroupItem(a), c);
        // A group of one gives the control itself.
        CWnd* owner = dialog.GetDlgItem(kOwnerDrawn);
        EXPECT_EQ(dialog.GetNextDlgGroupItem(dialog.GetDlgItem(kCheckBox)), dialog.GetDlgItem(kPushButton));
        EXPECT_EQ(dialog.GetNextDlgGroupItem(owner), dialog.GetDlgItem(kCheckBox));
        dialog.EndDialog(IDOK);
    });
}

TEST(DialogGroups, SettingsOpponentGroupEndsAtTheSecondNameBox) {
    RecordingDialog settings(IDD_SETTINGS);
    RunModal(settings, [](CDialog& dialog) {
        std::vector<int> walk;
        CWnd* start = dialog.GetDlgItem(IDC_NOVICE);
        for (CWnd* w = dialog.GetNextDlgGroupItem(start); w != start; w = dialog.GetNextDlgGroupItem(w)) {
            walk.push_back(w->GetDlgCtrlID());
        }
        EXPECT_EQ(walk, (std::vector<int>{IDC_INTERMEDIATE, IDC_EXPERT, IDC_PERSON}));
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(DialogExchange, InitLoadsOkSavesAndControlsCanBeBoundAgainNextTime) {
    CButton member;
    RecordingDialog test;
    test.exchange = [&member](CDataExchange* dx) { DDX_Control(dx, kPushButton, member); };
    EXPECT_EQ(RunModal(test,
                       [&member](CDialog& dialog) {
                           EXPECT_EQ(member.m_hWnd, dialog.GetDlgItem(kPushButton)->m_hWnd);
                           EXPECT_EQ(CWnd::FromHandle(member.m_hWnd), &member);
                           dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                       }),
              IDOK);
    EXPECT_EQ(test.exchangeDirections, (std::vector<BOOL>{FALSE, TRUE}));
    EXPECT_EQ(test.m_hWnd, nullptr);
    EXPECT_EQ(member.m_hWnd, nullptr);
    EXPECT_EQ(RunModal(test,
                       [&member](CDialog& dialog) {
                           EXPECT_EQ(CWnd::FromHandle(member.m_hWnd), &member);
                           dialog.EndDialog(7);
                       }),
              7);
}

TEST(DialogResults, EnterIsTheDefaultButtonEscapeAndCloseBoxCancel) {
    RecordingDialog test;
    EXPECT_EQ(
        RunModal(test,
                 [](CDialog& dialog) { QTest::keyClick(dialog.GetDlgItem(kEditNarrow)->m_hWnd, Qt::Key_Return); }),
        IDOK);
    EXPECT_EQ(
        RunModal(test,
                 [](CDialog& dialog) { QTest::keyClick(dialog.GetDlgItem(kEditNarrow)->m_hWnd, Qt::Key_Escape); }),
        IDCANCEL);
    EXPECT_EQ(test.cancelCount, 1);
    EXPECT_EQ(RunModal(test,
                       [](CDialog& dialog) {
                           dialog.m_hWnd->close();
                           ProcessPostedMessages();
                       }),
              IDCANCEL);
    EXPECT_EQ(test.cancelCount, 2);
}

TEST(DialogResults, EnterOnAFocusedPushButtonClicksThatButton) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        QWidget* push = dialog.GetDlgItem(kPushButton)->m_hWnd;
        push->setFocus();
        QTest::keyClick(push, Qt::Key_Return);
        dialog.EndDialog(IDCANCEL);
    });
    const auto commands = test.Commands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(), std::make_pair(kPushButton, static_cast<int>(BN_CLICKED)));
}

TEST(DialogResults, DisabledDefaultButtonIgnoresEnter) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
        QTest::keyClick(dialog.GetDlgItem(kEditNarrow)->m_hWnd, Qt::Key_Return);
        EXPECT_NE(dialog.m_hWnd, nullptr);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_TRUE(test.Commands().empty());
}

TEST(DialogResults, EndDialogDuringInitSkipsTheLoop) {
    RecordingDialog test;
    bool hookRan = false;
    test.handler = [&test](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message == WM_INITDIALOG) {
            test.EndDialog(5);
            result = TRUE;
            return true;
        }
        return false;
    };
    EXPECT_EQ(RunModal(test, [&hookRan](CDialog&) { hookRan = true; }), 5);
    EXPECT_FALSE(hookRan);
}

TEST(DialogResults, UnknownTemplateFails) {
    RecordingDialog missing(4242);
    EXPECT_EQ(missing.DoModal(), -1);
}

TEST(DialogPlacement, TemplateDialogOpensAtTheOwnerClientTopLeftWithTheOwnerDisabled) {
    RecordingDialog owner(kOwnerTemplate);
    TheTestApp().m_pMainWnd = &owner;
    RunModal(owner, [](CDialog& main) {
        RecordingDialog about(IDD_ABOUT);
        RunModal(about, [&main](CDialog& dialog) {
            EXPECT_EQ(dialog.m_hWnd->pos(), main.m_hWnd->mapToGlobal(QPoint(0, 0)));
            EXPECT_FALSE(main.IsWindowEnabled());
            EXPECT_EQ(dialog.GetParent(), &main);
            dialog.EndDialog(IDOK);
        });
        EXPECT_TRUE(main.IsWindowEnabled());
        RecordingDialog test;
        RunModal(test, [&main](CDialog& dialog) {
            EXPECT_EQ(dialog.m_hWnd->pos(), main.m_hWnd->mapToGlobal(QPoint(15, 8)));  // (10, 5) dlu at 8 pt
            dialog.EndDialog(IDOK);
        });
        main.EndDialog(IDOK);
    });
    TheTestApp().m_pMainWnd = nullptr;
}

TEST(DialogPlacement, ModalityBlocksClicksOnTheOwner) {
    RecordingDialog owner(kOwnerTemplate);
    TheTestApp().m_pMainWnd = &owner;
    RunModal(owner, [](CDialog& main) {
        RecordingDialog test;
        RunModal(test, [&main](CDialog& dialog) {
            QWidget* cell = main.GetDlgItem(1)->m_hWnd;
            ClickAt(cell, Centre(cell));
            dialog.EndDialog(IDOK);
        });
        main.EndDialog(IDOK);
    });
    EXPECT_EQ(owner.Count(WM_COMMAND), 0);
    TheTestApp().m_pMainWnd = nullptr;
}

TEST(DialogPlacement, WindowRectDuringSetUpAlreadyIncludesTheFrame) {
    RecordingDialog owner(kOwnerTemplate);
    TheTestApp().m_pMainWnd = &owner;
    RunModal(owner, [](CDialog& main) {
        RecordingDialog about(IDD_ABOUT);
        CRect duringSetUp;
        about.exchange = [&about, &duringSetUp](CDataExchange*) {
            if (duringSetUp.IsRectEmpty()) {
                about.GetWindowRect(&duringSetUp);
            }
        };
        RunModal(about, [&duringSetUp](CDialog& dialog) {
            CRect shown;
            dialog.GetWindowRect(&shown);
            EXPECT_EQ(duringSetUp, shown);
            dialog.EndDialog(IDOK);
        });
        main.EndDialog(IDOK);
    });
    TheTestApp().m_pMainWnd = nullptr;
}
