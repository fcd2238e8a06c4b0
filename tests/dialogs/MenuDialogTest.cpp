// SPDX-License-Identifier: MIT
#include "dialogs/CMenuDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "controls/CSkinButton.h"
#include "controls/GameSoundPlayer.h"
#include "dialogs/ButtonLettering.h"
#include "platform/draw/Resources.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

using Played = std::vector<std::string>;

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

constexpr Flags kNoFlag{0, 0, 0, 0};

void Escape(CDialog& dialog) {
    PressKey(dialog, Qt::Key_Escape);
}

using MenuDialogTest = DialogTest;

TEST_F(MenuDialogTest, EachActionButtonRaisesItsFlagPlaysTheClickAndCloses) {
    struct Case {
        int buttonId;
        int result;
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
        EXPECT_EQ(RunModal(menu, [&](CDialog& dialog) { ClickControl(dialog, c.buttonId); }), c.result)
            << "button " << c.buttonId;
        EXPECT_EQ(FlagsOf(menu), c.flags) << "button " << c.buttonId;
        EXPECT_EQ(sounds.log, Played{kClickPlayed}) << "button " << c.buttonId;
    }
}

TEST_F(MenuDialogTest, OkButtonAndEscapeLeaveEveryFlagDownSilentlyAndNoFlagLeaksIntoTheNextShowing) {
    CMenuDlg menu;
    EXPECT_EQ(RunModal(menu, [](CDialog& dialog) { ClickControl(dialog, IDCANCEL); }), IDCANCEL);
    EXPECT_EQ(FlagsOf(menu), kNoFlag);
    EXPECT_EQ(RunModal(menu, Escape), IDCANCEL);
    EXPECT_EQ(FlagsOf(menu), kNoFlag);
    EXPECT_TRUE(Sounds().empty());

    RunModal(menu, [](CDialog& dialog) { ClickControl(dialog, IDC_MENU_HIGH_SCORES); });
    ASSERT_EQ(menu.highScoresRequested, 1);
    RunModal(menu, Escape);
    EXPECT_EQ(FlagsOf(menu), kNoFlag);
}

// The sound button as drawn, cut to the part of its picture left of its words (the speaker).
QImage SoundButtonLook(CDialog& dialog, const QSize& pictureSize) {
    const QImage shown = dialog.GetDlgItem(IDC_MENU_SOUND)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QSize speaker(lettering::soundWords.left(), pictureSize.height());
    return shown.copy(QRect(QPoint(0, 0), speaker.boundedTo(shown.size())));
}

std::string SoundButtonWords(CDialog& dialog) {
    return static_cast<CSkinButton*>(dialog.GetDlgItem(IDC_MENU_SOUND))->GetCaption();
}

QImage LookOf(unsigned pictureId, const QImage& look) {
    return BitmapResource(pictureId).copy(QRect(QPoint(0, 0), look.size()));
}

TEST_F(MenuDialogTest, SoundSwitchIsSilentOffClicksOnceOnAndTheButtonShowsTheState) {
    const QSize pictureSize = BitmapResource(IDB_SOUND_ON).size();
    ASSERT_NE(BitmapResource(IDB_SOUND_ON), BitmapResource(IDB_SOUND_OFF));
    CMenuDlg menu;
    std::vector<QImage> looks;
    std::vector<std::string> words;
    Played afterOff;
    bool stillOpen = false;
    RunModal(menu, [&](CDialog& dialog) {
        looks.push_back(SoundButtonLook(dialog, pictureSize));
        words.push_back(SoundButtonWords(dialog));
        ClickControl(dialog, IDC_MENU_SOUND);
        EXPECT_EQ(soundEnabled, 0);
        afterOff = Sounds();
        looks.push_back(SoundButtonLook(dialog, pictureSize));
        words.push_back(SoundButtonWords(dialog));
        ClickControl(dialog, IDC_MENU_SOUND);
        EXPECT_EQ(soundEnabled, 1);
        looks.push_back(SoundButtonLook(dialog, pictureSize));
        words.push_back(SoundButtonWords(dialog));
        stillOpen = dialog.isVisible();
        Escape(dialog);
    });
    EXPECT_TRUE(afterOff.empty());
    EXPECT_EQ(Sounds(), Played{kClickPlayed});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(FlagsOf(menu), kNoFlag);
    ASSERT_EQ(looks.size(), 3u);
    EXPECT_EQ(looks[0], LookOf(IDB_SOUND_ON, looks[0]));
    EXPECT_EQ(looks[1], LookOf(IDB_SOUND_OFF, looks[1]));
    EXPECT_EQ(looks[2], LookOf(IDB_SOUND_ON, looks[2]));
    EXPECT_EQ(words, (std::vector<std::string>{"Sound On", "Sound Off", "Sound On"}));
}

TEST_F(MenuDialogTest, OpenedWhileSoundIsOffTheButtonShowsSoundOff) {
    soundEnabled = 0;
    CMenuDlg menu;
    QImage look;
    std::string words;
    RunModal(menu, [&](CDialog& dialog) {
        look = SoundButtonLook(dialog, BitmapResource(IDB_SOUND_OFF).size());
        words = SoundButtonWords(dialog);
        Escape(dialog);
    });
    EXPECT_EQ(look, LookOf(IDB_SOUND_OFF, look));
    EXPECT_EQ(words, "Sound Off");
}

TEST_F(MenuDialogTest, MovesByItsSurfaceThoughItHasNoTitleBar) {
    CMenuDlg menu;
    RunModal(menu, [](CDialog& dialog) {
        // Between the sound button and the OK button.
        const QPoint gap(dialog.width() / 2, 316);
        ASSERT_EQ(dialog.childAt(gap), nullptr);
        EXPECT_EQ(DragBy(dialog, gap, QPoint(25, 15)), QPoint(25, 15));
        Escape(dialog);
    });
}

}  // namespace
