// SPDX-License-Identifier: MIT
// Template buttons: check state by message and by click, the pushed look and capture while
// pressed, click only on release over the button, owner drawing with its state flags.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "platform/dialog/CButton.h"
#include "tests/platform/WindowTestSupport.h"

namespace {

class DrawRecorder : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override {
        states.push_back(drawItem->itemState);
        lastRect = drawItem->rcItem;
        lastId = drawItem->CtlID;
        lastWindow = drawItem->hwndItem;
        hadDc = drawItem->hDC != nullptr;
    }
    std::vector<UINT> states;
    CRect lastRect;
    UINT lastId = 0;
    HWND lastWindow = nullptr;
    bool hadDc = false;
};

LRESULT Send(CDialog& dialog, int id, UINT message, WPARAM wParam = 0) {
    return dialog.GetDlgItem(id)->SendMessage(message, wParam);
}

}  // namespace

TEST(Buttons, CheckStateByMessage) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        Send(dialog, kCheckBox, BM_SETCHECK, BST_CHECKED);
        EXPECT_EQ(Send(dialog, kCheckBox, BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(Send(dialog, kCheckBox, BM_GETSTATE) & BST_CHECKED, BST_CHECKED);
        // Push buttons and owner-drawn buttons keep no check.
        Send(dialog, kPushButton, BM_SETCHECK, BST_CHECKED);
        EXPECT_EQ(Send(dialog, kPushButton, BM_GETCHECK), BST_UNCHECKED);
        Send(dialog, kOwnerDrawn, BM_SETCHECK, BST_CHECKED);
        EXPECT_EQ(Send(dialog, kOwnerDrawn, BM_GETCHECK), BST_UNCHECKED);
        Send(dialog, kPushButton, BM_SETSTATE, TRUE);
        EXPECT_EQ(Send(dialog, kPushButton, BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
        Send(dialog, kPushButton, BM_SETSTATE, FALSE);
        EXPECT_EQ(Send(dialog, kPushButton, BM_GETSTATE) & BST_PUSHED, 0);
        dialog.EndDialog(IDOK);
    });
}

TEST(Buttons, AutoRadioChecksItselfAndClearsItsGroupBeforeNotifying) {
    RecordingDialog test;
    std::vector<LRESULT> checkSeenByOwner;
    test.handler = [&](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message == WM_COMMAND && LOWORD(wParam) == kRadioB) {
            checkSeenByOwner.push_back(test.GetDlgItem(kRadioB)->SendMessage(BM_GETCHECK));
        }
        return false;
    };
    RunModal(test, [](CDialog& dialog) {
        Send(dialog, kRadioA, BM_SETCHECK, BST_CHECKED);
        Send(dialog, kRadioC, BM_SETCHECK, BST_CHECKED);
        QWidget* radio = dialog.GetDlgItem(kRadioB)->m_hWnd;
        ClickAt(radio, Centre(radio));
        EXPECT_EQ(Send(dialog, kRadioA, BM_GETCHECK), BST_UNCHECKED);
        EXPECT_EQ(Send(dialog, kRadioB, BM_GETCHECK), BST_CHECKED);
        EXPECT_EQ(Send(dialog, kRadioC, BM_GETCHECK), BST_UNCHECKED);
        ClickAt(radio, Centre(radio));  // clicking a checked radio keeps it checked
        EXPECT_EQ(Send(dialog, kRadioB, BM_GETCHECK), BST_CHECKED);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(checkSeenByOwner, (std::vector<LRESULT>{BST_CHECKED, BST_CHECKED}));
}

TEST(Buttons, AutoCheckBoxTogglesOnClickAndSpace) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        QWidget* box = dialog.GetDlgItem(kCheckBox)->m_hWnd;
        ClickAt(box, Centre(box));
        EXPECT_EQ(Send(dialog, kCheckBox, BM_GETCHECK), BST_CHECKED);
        ClickAt(box, Centre(box));
        EXPECT_EQ(Send(dialog, kCheckBox, BM_GETCHECK), BST_UNCHECKED);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        EXPECT_EQ(Send(dialog, kCheckBox, BM_GETCHECK), BST_CHECKED);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(test.Commands().size(), 3u);
}

TEST(Buttons, PressPushesAndCapturesReleaseOverClicks) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* button = dialog.GetDlgItem(kPushButton);
        QWidget* widget = button->m_hWnd;
        PressAt(widget, Centre(widget));
        EXPECT_EQ(button->SendMessage(BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
        EXPECT_EQ(CWnd::GetCapture(), button);
        ReleaseAt(widget, Centre(widget));
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_EQ(button->SendMessage(BM_GETSTATE) & BST_PUSHED, 0);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(test.Commands(), (std::vector<std::pair<int, int>>{{kPushButton, BN_CLICKED}}));
}

TEST(Buttons, ReleaseOffTheButtonDoesNotClick) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* button = dialog.GetDlgItem(kPushButton);
        QWidget* widget = button->m_hWnd;
        PressAt(widget, Centre(widget));
        MoveTo(widget, QPoint(-40, -40));
        EXPECT_EQ(button->SendMessage(BM_GETSTATE) & BST_PUSHED, 0);
        MoveTo(widget, Centre(widget));
        EXPECT_EQ(button->SendMessage(BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
        MoveTo(widget, QPoint(-40, -40));
        ReleaseAt(widget, QPoint(-40, -40));
        dialog.EndDialog(IDOK);
    });
    EXPECT_TRUE(test.Commands().empty());
}

TEST(Buttons, OwnerDrawnButtonDrawsWithItsStateFlags) {
    RecordingDialog test;
    DrawRecorder drawn;
    RunModal(test, [&drawn](CDialog& dialog) {
        ASSERT_TRUE(drawn.SubclassDlgItem(kOwnerDrawn, &dialog));
        QWidget* widget = drawn.m_hWnd;
        widget->repaint();
        ASSERT_FALSE(drawn.states.empty());
        // Focus cues stay hidden until the keyboard moves the focus in the window.
        EXPECT_EQ(drawn.states.back(), ODS_NOFOCUSRECT);
        EXPECT_EQ(drawn.lastRect, CRect(0, 0, 60, 33));
        EXPECT_EQ(drawn.lastId, static_cast<UINT>(kOwnerDrawn));
        EXPECT_EQ(drawn.lastWindow, widget);
        EXPECT_TRUE(drawn.hadDc);
        drawn.SetState(TRUE);
        widget->repaint();
        EXPECT_EQ(drawn.states.back(), ODS_SELECTED | ODS_NOFOCUSRECT);
        drawn.SetState(FALSE);
        drawn.SetFocus();
        widget->repaint();
        EXPECT_EQ(drawn.states.back(), ODS_FOCUS | ODS_NOFOCUSRECT);
        QTest::keyClick(widget, Qt::Key_Right);
        drawn.SetFocus();
        widget->repaint();
        EXPECT_EQ(drawn.states.back(), ODS_FOCUS);
        dialog.GetDlgItem(kEditNarrow)->SetFocus();
        drawn.EnableWindow(FALSE);
        widget->repaint();
        EXPECT_EQ(drawn.states.back(), ODS_DISABLED);
        dialog.EndDialog(IDOK);
    });
}

TEST(Buttons, AddingOwnerDrawStopsTheButtonsOwnCheck) {
    RecordingDialog test;
    DrawRecorder drawn;
    RunModal(test, [&drawn](CDialog& dialog) {
        ASSERT_TRUE(drawn.SubclassDlgItem(kRadioA, &dialog));
        drawn.ModifyStyle(0, BS_OWNERDRAW);
        EXPECT_EQ(drawn.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
        drawn.SetCheck(BST_CHECKED);
        EXPECT_EQ(drawn.GetCheck(), BST_UNCHECKED);
        drawn.m_hWnd->repaint();
        EXPECT_FALSE(drawn.states.empty());
        dialog.EndDialog(IDOK);
    });
}

TEST(Buttons, SentPressActsAsTheDefaultPress) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* button = dialog.GetDlgItem(kPushButton);
        button->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        EXPECT_EQ(button->SendMessage(BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
        EXPECT_EQ(CWnd::GetCapture(), button);
        button->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(test.Commands(), (std::vector<std::pair<int, int>>{{kPushButton, BN_CLICKED}}));
}
