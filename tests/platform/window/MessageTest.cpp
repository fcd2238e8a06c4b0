// SPDX-License-Identifier: MIT
// Messages: sent at once, posted after the current one, routed to the attached object, reflected
// notifications, the help command, timers during modal loops, the system menu and the caption drag.

#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QWidget>

#include "platform/dialog/DialogWidget.h"
#include "platform/dialog/MessageBox.h"
#include "platform/window/CMenu.h"
#include "tests/platform/WindowTestSupport.h"

namespace {

// Messages of the program's own, above the system's range.
constexpr UINT kPrivateMessages = 0x0400;
constexpr UINT kFirst = kPrivateMessages + 1;
constexpr UINT kPosted = kPrivateMessages + 2;
constexpr UINT kSent = kPrivateMessages + 3;

class NotifyEater : public CWnd {
public:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
        if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
            ++eaten;
            return TRUE;
        }
        return FALSE;
    }
    int eaten = 0;
};

}  // namespace

TEST(Messages, SentAtOncePostedAfterTheCurrentMessage) {
    RecordingDialog test;
    std::vector<std::string> order;
    test.handler = [&](UINT message, WPARAM, LPARAM, LRESULT& result) {
        if (message == kFirst) {
            order.push_back("first begins");
            test.PostMessage(kPosted);
            result = test.SendMessage(kSent);
            order.push_back("first ends");
            return true;
        }
        if (message == kSent) {
            order.push_back("sent");
            result = 42;
            return true;
        }
        if (message == kPosted) {
            order.push_back("posted");
            return true;
        }
        return false;
    };
    RunModal(test, [&](CDialog& dialog) {
        EXPECT_EQ(dialog.SendMessage(kFirst), 42);
        EXPECT_EQ(order.back(), "first ends");
        ProcessPostedMessages();
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(order, (std::vector<std::string>{"first begins", "sent", "first ends", "posted"}));
}

TEST(Messages, PostedMessagesAreHandledInsideANestedModalLoop) {
    RecordingDialog owner(kOwnerTemplate);
    RunModal(owner, [&owner](CDialog&) {
        owner.PostMessage(kPosted);
        RecordingDialog nested;
        RunModal(nested, [&owner](CDialog& dialog) {
            ProcessPostedMessages();
            EXPECT_EQ(owner.Count(kPosted), 1);
            dialog.EndDialog(IDOK);
        });
        owner.EndDialog(IDOK);
    });
}

TEST(Messages, PostingToAClosedWindowFails) {
    CWnd none;
    EXPECT_FALSE(none.PostMessage(kPosted));
    EXPECT_EQ(none.SendMessage(kSent), 0);
}

TEST(Messages, ButtonClickReachesTheParentAsCommand) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        QWidget* push = dialog.GetDlgItem(kPushButton)->m_hWnd;
        ClickAt(push, Centre(push));
        dialog.EndDialog(IDOK);
    });
    ASSERT_EQ(test.Commands().size(), 1u);
    EXPECT_EQ(test.Commands().front(), std::make_pair(kPushButton, static_cast<int>(BN_CLICKED)));
}

TEST(Messages, NotifyStaticClickIsOfferedToTheControlFirst) {
    RecordingDialog test;
    NotifyEater eater;
    RunModal(test, [&eater](CDialog& dialog) {
        QWidget* label = dialog.GetDlgItem(kNotifyStatic)->m_hWnd;
        ClickAt(label, Centre(label));
        EXPECT_TRUE(eater.SubclassDlgItem(kNotifyStatic, &dialog));
        ClickAt(label, Centre(label));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(test.Commands(), (std::vector<std::pair<int, int>>{{kNotifyStatic, STN_CLICKED}}));
    EXPECT_EQ(eater.eaten, 1);
}

TEST(Messages, StaticWithoutNotifyLetsTheClickThroughToTheDialog) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        CWnd* label = dialog.GetDlgItem(kPlainStatic);
        ClickAt(label->m_hWnd, Centre(label->m_hWnd));
        EXPECT_EQ(CWnd::WindowFromPoint([&] {
                      CPoint p(Centre(label->m_hWnd).x(), Centre(label->m_hWnd).y());
                      label->ClientToScreen(&p);
                      return p;
                  }()),
                  &dialog);
        label->ModifyStyle(0, SS_NOTIFY);
        ClickAt(label->m_hWnd, Centre(label->m_hWnd));
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(test.Count(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(test.Commands(), (std::vector<std::pair<int, int>>{{kPlainStatic, STN_CLICKED}}));
}

TEST(Messages, F1SendsTheHelpCommandToTheApplication) {
    RecordingDialog test;
    const int before = TheTestApp().helpRequests;
    RunModal(test, [](CDialog& dialog) {
        QTest::keyClick(dialog.GetDlgItem(kPushButton)->m_hWnd, Qt::Key_F1);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(TheTestApp().helpRequests, before + 1);
    EXPECT_EQ(test.Commands(), (std::vector<std::pair<int, int>>{{static_cast<std::int16_t>(ID_HELP), 0}}));
}

TEST(Timers, TickDuringANestedModalDialog) {
    RecordingDialog owner(kOwnerTemplate);
    RecordingDialog nested;
    owner.handler = [&nested](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
        if (message == WM_TIMER && wParam == 1) {
            nested.EndDialog(IDOK);  // ending only once the tick arrived during the nested loop
        }
        return false;
    };
    RunModal(owner, [&](CDialog& main) {
        EXPECT_EQ(main.SetTimer(1, 10, nullptr), 1u);
        EXPECT_EQ(nested.DoModal(), IDOK);
        EXPECT_TRUE(main.KillTimer(1));
        EXPECT_FALSE(main.KillTimer(1));
        main.EndDialog(IDOK);
    });
    EXPECT_GE(owner.Count(WM_TIMER), 1);
}

TEST(Timers, DestroyedWindowHasNoTimers) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        dialog.SetTimer(3, 1000, nullptr);
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(test.SetTimer(3, 1000, nullptr), 0u);
    EXPECT_FALSE(test.KillTimer(3));
}

TEST(SystemMenu, EntriesAreOfferedAndSendSysCommand) {
    RecordingDialog owner(kOwnerTemplate);
    RunModal(owner, [](CDialog& dialog) {
        CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, 0x0010, "&About Quinsum...");
        auto* window = dynamic_cast<DialogWidget*>(dialog.m_hWnd);
        std::unique_ptr<QMenu> popup(window->BuildSystemMenuPopup(nullptr));
        QStringList texts;
        for (QAction* action : popup->actions()) {
            texts << (action->isSeparator() ? QString("-") : action->text());
        }
        // The board style has a minimize box and no system menu style, so no Close.
        EXPECT_EQ(texts, (QStringList{"Mi&nimize", "-", "&About Quinsum..."}));
        popup->actions().last()->trigger();
        dialog.EndDialog(IDOK);
    });
    ASSERT_EQ(owner.Count(WM_SYSCOMMAND), 1);
}

TEST(SystemMenu, CloseCommandCancelsTheDialog) {
    RecordingDialog test;
    EXPECT_EQ(RunModal(test,
                       [](CDialog& dialog) {
                           dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
                           ProcessPostedMessages();
                       }),
              IDCANCEL);
    EXPECT_EQ(test.cancelCount, 1);
}

TEST(WindowMove, CaptionDragFollowsTheMouseUntilRelease) {
    RecordingDialog test;
    test.handler = [&test](UINT message, WPARAM, LPARAM lParam, LRESULT&) {
        if (message == WM_LBUTTONDOWN) {
            test.PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
        }
        return false;
    };
    RunModal(test, [](CDialog& dialog) {
        QWidget* window = dialog.m_hWnd;
        const QPoint start = window->pos();
        const QPoint grip(250, 10);  // a free spot of the dialog's surface
        PressAt(window, grip);
        ProcessPostedMessages();
        MoveTo(window, grip + QPoint(30, 20));
        ReleaseAt(window, grip);  // the window moved along: the pointer is over the same spot
        EXPECT_EQ(window->pos(), start + QPoint(30, 20));
        dialog.EndDialog(IDOK);
    });
}

TEST(MessageBoxes, PresenterCanBeReplaced) {
    std::vector<std::string> shown;
    auto previous =
        SetMessageBoxPresenter([&shown](HWND, const std::string& text, const std::string& caption, UINT type) {
            shown.push_back(caption + "|" + text + "|" + std::to_string(type));
            return IDOK;
        });
    CWnd none;
    EXPECT_EQ(none.MessageBox("Unable to open", nullptr, MB_ICONEXCLAMATION), IDOK);
    SetMessageBoxPresenter(previous);
    EXPECT_EQ(shown, (std::vector<std::string>{"Error|Unable to open|48"}));
}
