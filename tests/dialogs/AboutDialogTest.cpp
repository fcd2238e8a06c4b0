// SPDX-License-Identifier: MIT
#include "dialogs/CAboutDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/GameSoundPlayer.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

using AboutDialogTest = DialogTest;

TEST_F(AboutDialogTest, OkPlaysTheClick) {
    CAboutDlg about;
    EXPECT_EQ(RunModal(about, [](CDialog& dialog) { ClickControl(dialog, IDOK); }), IDOK);
    EXPECT_EQ(Sounds(), std::vector<std::string>{kClickPlayed});
}

TEST_F(AboutDialogTest, EscapeClosesSilently) {
    CAboutDlg about;
    EXPECT_EQ(RunModal(about, [](CDialog& dialog) { PressKey(dialog, Qt::Key_Escape); }), IDCANCEL);
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(AboutDialogTest, OkWithSoundOffIsSilent) {
    soundEnabled = 0;
    CAboutDlg about;
    EXPECT_EQ(RunModal(about, [](CDialog& dialog) { ClickControl(dialog, IDOK); }), IDOK);
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(AboutDialogTest, NoticeIsWhiteOnGreyAndTheLinkIsBound) {
    CAboutDlg about;
    COLORREF fore = 0;
    COLORREF back = 0;
    bool linkBound = false;
    RunModal(about, [&](CDialog& dialog) {
        fore = about.noticeLabel.GetForeColor();
        back = about.noticeLabel.GetBackColor();
        linkBound = CWnd::FromHandle(dialog.GetDlgItem(IDC_HELP_LINK)->GetSafeHwnd()) == &about.link;
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(fore, RGB(255, 255, 255));
    EXPECT_EQ(back, RGB(150, 150, 150));
    EXPECT_TRUE(linkBound);
    EXPECT_FALSE(about.link.GetTarget().empty());
}

}  // namespace
