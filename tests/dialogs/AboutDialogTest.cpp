// SPDX-License-Identifier: MIT
#include "dialogs/CAboutDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/GameSoundPlayer.h"
#include "dialogs/HelpPage.h"
#include "tests/dialogs/DialogTestSupport.h"
#include "tests/support/FakeShellServices.h"

namespace {

using Played = std::vector<std::string>;

class AboutDialogTest : public DialogTest {
protected:
    // How many pixels of the link, painted now, are white (its underline is, throughout).
    static int WhitePixels(QWidget& link) {
        const QImage shown = link.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int white = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                white += shown.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        return white;
    }

    FakeShellServices shell;
    ScopedShellServices shellScope{shell};
};

TEST_F(AboutDialogTest, OkPlaysTheClickWhileSoundIsOnAndEscapeOrTheCloseBoxCloseSilently) {
    CAboutDlg about;
    EXPECT_EQ(RunModal(about, [](CDialog& dialog) { ClickControl(dialog, IDOK); }), IDOK);
    EXPECT_EQ(Sounds(), Played{kClickPlayed});
    EXPECT_EQ(RunModal(about, [](CDialog& dialog) { PressKey(dialog, Qt::Key_Escape); }), IDCANCEL);
    EXPECT_EQ(RunModal(about, [](CDialog& dialog) { dialog.close(); }), IDCANCEL);
    EXPECT_EQ(Sounds(), Played{kClickPlayed});

    soundEnabled = 0;
    EXPECT_EQ(RunModal(about, [](CDialog& dialog) { ClickControl(dialog, IDOK); }), IDOK);
    EXPECT_EQ(Sounds(), Played{kClickPlayed});
}

TEST_F(AboutDialogTest, NoticeIsWhiteOnGreyAndTheWhiteLinkOpensTheHelpPage) {
    CAboutDlg about;
    const std::string helpPage = HelpPagePath().string();
    RunModal(about, [&](CDialog& dialog) {
        EXPECT_EQ(about.noticeLabel->GetForeColor(), QColor(255, 255, 255));
        EXPECT_EQ(about.noticeLabel->GetBackColor(), QColor(150, 150, 150));

        CHyperLink& link = *about.link;
        EXPECT_EQ(link.GetTarget(), helpPage);
        EXPECT_EQ(link.toolTip().toStdString(), helpPage);
        EXPECT_GT(WhitePixels(link), 10);
        ClickAt(&link, link.rect().center());
        EXPECT_EQ(shell.opened, std::vector<std::string>{helpPage});
        EXPECT_TRUE(link.IsVisited());
        EXPECT_GT(WhitePixels(link), 10) << "white once visited too";
        EXPECT_TRUE(dialog.IsRunning());
        PressKey(dialog, Qt::Key_Escape);
    });
}

}  // namespace
