// SPDX-License-Identifier: MIT
#include "dialogs/CMenuDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "controls/GameSoundPlayer.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

struct Flags {
    int quit;
    int about;
    int highScores;
    int newGame;
    bool operator==(const Flags&) const = default;
};

Flags FlagsOf(const CMenuDlg& menu) {
    return {menu.quitRequested, menu.aboutRequested, menu.highScoresRequested, menu.newGameRequested};
}

void PrintTo(const Flags& flags, std::ostream* out) {
    *out << "quit " << flags.quit << ", about " << flags.about << ", high scores " << flags.highScores << ", new game "
         << flags.newGame;
}

using MenuDialogTest = DialogTest;

TEST_F(MenuDialogTest, EachActionButtonRaisesItsFlagPlaysTheClickAndCloses) {
    struct Case {
        int buttonId;
        INT_PTR result;
        Flags flags;
    };
    const std::array<Case, 4> cases{{
        {IDC_MENU_QUIT, IDOK, {1, 0, 0, 0}},
        {IDC_MENU_ABOUT, IDCANCEL, {0, 1, 0, 0}},
        {IDC_MENU_HIGH_SCORES, IDCANCEL, {0, 0, 1, 0}},
        {IDC_MENU_NEW_GAME, IDCANCEL, {0, 0, 0, 1}},
    }};
    for (const Case& c : cases) {
        CMenuDlg menu;
        RecordingSoundOutput sounds;
        ScopedSoundOutput scope(sounds);
        const INT_PTR result = RunModal(menu, [&](CDialog& dialog) { ClickControl(dialog, c.buttonId); });
        EXPECT_EQ(result, c.result) << "button " << c.buttonId;
        EXPECT_EQ(FlagsOf(menu), c.flags) << "button " << c.buttonId;
        EXPECT_EQ(sounds.log, std::vector<std::string>{kClickPlayed}) << "button " << c.buttonId;
    }
}

TEST_F(MenuDialogTest, CloseButtonAndEscapeLeaveEveryFlagDownSilently) {
    CMenuDlg menu;
    EXPECT_EQ(RunModal(menu, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(FlagsOf(menu), (Flags{0, 0, 0, 0}));
    EXPECT_EQ(RunModal(menu, [](CDialog& dialog) { PressKey(dialog, Qt::Key_Escape); }), IDCANCEL);
    EXPECT_EQ(FlagsOf(menu), (Flags{0, 0, 0, 0}));
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(MenuDialogTest, FlagsOfOneShowingNeverLeakIntoTheNext) {
    CMenuDlg menu;
    RunModal(menu, [](CDialog& dialog) { ClickControl(dialog, IDC_MENU_HIGH_SCORES); });
    ASSERT_EQ(menu.highScoresRequested, 1);
    RunModal(menu, [](CDialog& dialog) { PressKey(dialog, Qt::Key_Escape); });
    EXPECT_EQ(FlagsOf(menu), (Flags{0, 0, 0, 0}));
}

TEST_F(MenuDialogTest, SoundSwitchIsSilentOffAndClicksOnceOn) {
    CMenuDlg menu;
    std::vector<std::string> afterOff;
    bool stillOpen = false;
    RunModal(menu, [&](CDialog& dialog) {
        ClickControl(dialog, IDC_MENU_SOUND);
        EXPECT_EQ(soundEnabled, 0);
        afterOff = Sounds();
        ClickControl(dialog, IDC_MENU_SOUND);
        EXPECT_EQ(soundEnabled, 1);
        stillOpen = dialog.GetSafeHwnd()->isVisible();
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(afterOff.empty());
    EXPECT_EQ(Sounds(), std::vector<std::string>{kClickPlayed});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(FlagsOf(menu), (Flags{0, 0, 0, 0}));
}

// The sound button as drawn, cut to the part its picture covers.
QImage SoundButtonLook(CDialog& dialog, const QSize& pictureSize) {
    QWidget* button = dialog.GetDlgItem(IDC_MENU_SOUND)->GetSafeHwnd();
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return shown.copy(QRect(QPoint(0, 0), pictureSize.boundedTo(shown.size())));
}

QImage Picture(int id) {
    return QImage(QString(":/bitmaps/%1.png").arg(id)).convertToFormat(QImage::Format_RGB32);
}

TEST_F(MenuDialogTest, SoundButtonShowsTheSwitchState) {
    const QImage soundOn = Picture(259);
    const QImage soundOff = Picture(261);
    ASSERT_FALSE(soundOn.isNull());
    ASSERT_NE(soundOn, soundOff);

    for (const int enabled : {1, 0}) {
        soundEnabled = enabled;
        CMenuDlg menu;
        QImage look;
        RunModal(menu, [&](CDialog& dialog) {
            look = SoundButtonLook(dialog, soundOn.size());
            PressKey(dialog, Qt::Key_Escape);
        });
        const QImage& expected = enabled != 0 ? soundOn : soundOff;
        EXPECT_EQ(look, expected.copy(QRect(QPoint(0, 0), look.size()))) << "sound " << enabled;
    }
}

TEST_F(MenuDialogTest, SwitchingReskinsTheSoundButton) {
    const QImage soundOff = Picture(261);
    CMenuDlg menu;
    QImage look;
    RunModal(menu, [&](CDialog& dialog) {
        ClickControl(dialog, IDC_MENU_SOUND);
        ProcessPostedMessages();
        look = SoundButtonLook(dialog, soundOff.size());
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(look, soundOff.copy(QRect(QPoint(0, 0), look.size())));
}

}  // namespace
