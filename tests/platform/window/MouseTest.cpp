// SPDX-License-Identifier: MIT
// The pointer: cursor requests that a child hands to its parent, leave notifications, capture
// and the window under a point when dialogs overlap.

#include <gtest/gtest.h>

#include <QWidget>

#include "platform/draw/CRgn.h"
#include "platform/draw/Resources.h"
#include "platform/window/CToolTipCtrl.h"
#include "platform/window/CursorShape.h"
#include "platform/window/TrackMouseEvent.h"
#include "tests/platform/WindowTestSupport.h"

TEST(Cursor, ParentThatAnswersSetCursorSetsItOverItsChildren) {
    RecordingDialog test;
    const HCURSOR wait = LoadStandardCursor(IDC_WAIT);
    std::vector<WPARAM> asked;
    test.handler = [&](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message == WM_SETCURSOR) {
            asked.push_back(wParam);
            SetCursor(wait);
            result = TRUE;
            return true;
        }
        return false;
    };
    QWidget* push = nullptr;
    RunModal(test, [&](CDialog& dialog) {
        push = dialog.GetDlgItem(kPushButton)->m_hWnd;
        MoveTo(push, Centre(push));
        EXPECT_EQ(push->cursor().shape(), Qt::WaitCursor);
        EXPECT_EQ(GetCursor(), wait);
        dialog.EndDialog(IDOK);
    });
    // The child's request reached the dialog naming the window under the pointer.
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), reinterpret_cast<WPARAM>(push));
}

TEST(Cursor, WithoutAnAnswerTheClassCursorShows) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        QWidget* edit = dialog.GetDlgItem(kEditWide)->m_hWnd;
        MoveTo(edit, Centre(edit));
        EXPECT_EQ(edit->cursor().shape(), Qt::IBeamCursor);
        QWidget* push = dialog.GetDlgItem(kPushButton)->m_hWnd;
        MoveTo(push, Centre(push));
        EXPECT_EQ(push->cursor().shape(), Qt::ArrowCursor);
        dialog.EndDialog(IDOK);
    });
}

TEST(LeaveTracking, LeaveIsPostedOnceWhenThePointerGoes) {
    RecordingDialog test;
    int leaves = 0;
    class LeaveCounter : public CWnd {
    public:
        explicit LeaveCounter(int& count) : count_(count) {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
            if (message == WM_MOUSELEAVE) {
                ++count_;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }

    private:
        int& count_;
    } counter(leaves);
    RunModal(test, [&](CDialog& dialog) {
        ASSERT_TRUE(counter.SubclassDlgItem(kPushButton, &dialog));
        QWidget* push = counter.m_hWnd;
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = push;
        MoveTo(dialog.m_hWnd, QPoint(1, 1));  // Qt drops a move to where the pointer already is
        MoveTo(push, Centre(push));
        ASSERT_TRUE(TrackMouseEvent(&track));
        ProcessPostedMessages();
        EXPECT_EQ(leaves, 0);
        MoveTo(dialog.m_hWnd, QPoint(290, 230));
        ProcessPostedMessages();
        EXPECT_EQ(leaves, 1);
        MoveTo(dialog.m_hWnd, QPoint(292, 232));
        ProcessPostedMessages();
        EXPECT_EQ(leaves, 1);
        // Cancelled: nothing comes.
        MoveTo(push, Centre(push));
        ASSERT_TRUE(TrackMouseEvent(&track));
        track.dwFlags = TME_CANCEL | TME_LEAVE;
        ASSERT_TRUE(TrackMouseEvent(&track));
        MoveTo(dialog.m_hWnd, QPoint(290, 230));
        ProcessPostedMessages();
        EXPECT_EQ(leaves, 1);
        // Armed while the pointer is elsewhere: the leave comes at once.
        track.dwFlags = TME_LEAVE;
        ASSERT_TRUE(TrackMouseEvent(&track));
        ProcessPostedMessages();
        EXPECT_EQ(leaves, 2);
        dialog.EndDialog(IDOK);
    });
}

TEST(Capture, SetGetRelease) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* push = dialog.GetDlgItem(kPushButton);
        EXPECT_EQ(push->SetCapture(), nullptr);
        EXPECT_EQ(CWnd::GetCapture(), push);
        EXPECT_TRUE(ReleaseCapture());
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        dialog.EndDialog(IDOK);
    });
}

TEST(WindowFromPoint, TheModalDialogIsAboveItsOwner) {
    RecordingDialog owner(kOwnerTemplate);
    TheTestApp().m_pMainWnd = &owner;
    RunModal(owner, [](CDialog& main) {
        RecordingDialog test;
        RunModal(test, [&main](CDialog& dialog) {
            CWnd* push = dialog.GetDlgItem(kPushButton);
            CPoint centre(Centre(push->m_hWnd).x(), Centre(push->m_hWnd).y());
            push->ClientToScreen(&centre);
            EXPECT_EQ(CWnd::WindowFromPoint(centre), push);
            CPoint ownerCorner(598, 398);
            main.ClientToScreen(&ownerCorner);
            EXPECT_EQ(CWnd::WindowFromPoint(ownerCorner), &main);
            dialog.EndDialog(IDOK);
        });
        main.EndDialog(IDOK);
    });
    TheTestApp().m_pMainWnd = nullptr;
}

TEST(WindowRegion, OnlyTheRegionIsHit) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* push = dialog.GetDlgItem(kPushButton);
        CRgn corner;
        corner.CreateRectRgn(0, 0, 10, 10);
        EXPECT_EQ(push->SetWindowRgn(corner, TRUE), 1);
        corner.Detach();  // the window owns it now
        CPoint inside(5, 5);
        CPoint outside(40, 15);
        push->ClientToScreen(&inside);
        push->ClientToScreen(&outside);
        EXPECT_EQ(CWnd::WindowFromPoint(inside), push);
        EXPECT_EQ(CWnd::WindowFromPoint(outside), &dialog);
        push->SetWindowRgn(nullptr, TRUE);  // rectangular again; the region is freed
        EXPECT_EQ(CWnd::WindowFromPoint(outside), push);
        dialog.EndDialog(IDOK);
    });
}

TEST(ToolTips, TextShowsOnTheToolAndGoesWithTheTooltip) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* label = dialog.GetDlgItem(kNotifyStatic);
        {
            CToolTipCtrl tip;
            ASSERT_TRUE(tip.Create(label));
            ASSERT_TRUE(tip.AddTool(label, "quinsum-help.html"));
            EXPECT_EQ(label->m_hWnd->toolTip(), QString("quinsum-help.html"));
        }
        EXPECT_TRUE(label->m_hWnd->toolTip().isEmpty());
        dialog.EndDialog(IDOK);
    });
}
