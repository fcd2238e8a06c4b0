// SPDX-License-Identifier: MIT
// The last settings come back at the next start: the names, the second player, the range and the
// sound switch. A damaged, hostile or unreachable settings file gives the built-in settings, never
// a hang or a crash, and is left as it was.

#include "controls/GameSoundPlayer.h"
#include "dialogs/CSettingsDlg.h"
#include "dialogs/RememberedSettings.h"
#include "resources/ResourceIds.h"
#include "tests/app/BoardFixture.h"

#include <QFile>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

std::filesystem::path SettingsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() + "/quinsum";
}

void WriteSettingsFile(const std::string& text) {
    std::filesystem::create_directories(SettingsFolder());
    WriteBytes(SettingsFolder() / "quinsum.conf", std::vector<unsigned char>(text.begin(), text.end()));
}

}  // namespace

using RememberedSettingsTest = BoardFixture;

TEST_F(RememberedSettingsTest, TheLastSettingsComeBackAtTheNextStart) {
    script.Then(IDD_SETTINGS, AcceptSettings(Person, "Zoë", "Bob", RangeMinus25To25));
    script.Then(IDD_MENU, [](CDialog& menu) {
        ClickControl(menu, IDC_MENU_SOUND);
        PressKey(menu, Qt::Key_Escape);
    });
    RunBoard([](CGameDlg& board) {
        ClickControl(board, IDC_MENU_BUTTON);
        PressKey(board, Qt::Key_Escape);
    });
    ASSERT_EQ(soundEnabled, 0);
    soundEnabled = 1;

    script.Then(IDD_SETTINGS, [](CDialog& dialog) {
        auto& settings = dynamic_cast<CSettingsDlg&>(dialog);
        EXPECT_EQ(settings.GetDlgItemText(IDC_FIRST_NAME), "Zoë");
        EXPECT_EQ(settings.GetDlgItemText(IDC_SECOND_NAME), "Bob");
        EXPECT_TRUE(settings.personButton->GetCheck());
        EXPECT_TRUE(settings.rangeMinus25To25Button->GetCheck());
        EXPECT_FALSE(settings.range0To10Button->GetCheck());
        ClickControl(dialog, IDOK);
    });
    RunBoard([](CGameDlg& board) { PressKey(board, Qt::Key_Escape); });
    EXPECT_EQ(soundEnabled, 0);
}

TEST_F(RememberedSettingsTest, DamagedOrHostileFilesGiveTheBuiltInSettings) {
    const GameSettings builtIn;
    const auto restored = [](int& sound) {
        GameSettings settings;
        RestoreSettings(settings, sound);
        return settings;
    };
    for (const std::string& text : {
             std::string("\x00\xff[Game\n=\n\x01\x02", 10),
             std::string("[Game]\nfirstName=\nopponent=7\nrangeLow=3\nrangeHigh=9\nsound=maybe\n"),
             std::string("[Game]\nfirstName=") + std::string(5000, 'A') + "\nrangeLow=zero\nrangeHigh=10\n",
         }) {
        WriteSettingsFile(text);
        int sound = 1;
        const GameSettings settings = restored(sound);
        EXPECT_EQ(settings.playerName, builtIn.playerName);
        EXPECT_EQ(settings.playerKind, builtIn.playerKind);
        EXPECT_EQ(settings.rangeLow, builtIn.rangeLow);
        EXPECT_EQ(settings.rangeHigh, builtIn.rangeHigh);
        EXPECT_EQ(sound, 1);
    }

    // A good value is kept beside bad ones, control characters dropped from a name.
    WriteSettingsFile("[Game]\nfirstName=\"A\\tnn\"\nopponent=expert\nrangeLow=-10\nrangeHigh=99\n");
    int sound = 1;
    GameSettings settings = restored(sound);
    EXPECT_EQ(settings.playerName[0], "Ann");
    EXPECT_EQ(settings.playerKind[1], Expert);
    EXPECT_EQ(settings.rangeLow, builtIn.rangeLow);

    // A pipe in the file's place would block a reader; a huge file is not ours to read or replace.
    const std::filesystem::path file = SettingsFolder() / "quinsum.conf";
    std::filesystem::remove(file);
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    settings = restored(sound);
    RememberSettings(settings);
    EXPECT_EQ(settings.playerName, builtIn.playerName);
    EXPECT_TRUE(std::filesystem::is_fifo(file));
    std::filesystem::remove(file);
    const std::string huge = "[Game]\nfirstName=Big\n" + std::string(70 * 1024, '#');
    WriteSettingsFile(huge);
    RememberSound(0);
    EXPECT_EQ(restored(sound).playerName, builtIn.playerName);
    EXPECT_EQ(std::filesystem::file_size(file), huge.size());
}

TEST_F(RememberedSettingsTest, AFolderThatCannotBeWrittenIsNoError) {
    // A plain file where the folder should be: no one, not even root, can write there.
    std::filesystem::create_directories(SettingsFolder().parent_path());
    WriteBytes(SettingsFolder(), {'x'});
    script.Then(IDD_SETTINGS, AcceptSettings(Expert, "Ann"));
    RunBoard([](CGameDlg& board) { PressKey(board, Qt::Key_Escape); });
    EXPECT_EQ(ReadBytes(SettingsFolder()), std::vector<unsigned char>{'x'});
}

// The board's size comes back within the screen: a larger one is cut to it, a damaged or smaller
// one gives the design's.
TEST(RememberedBoardSizeTest, ASizeComesBackWithinTheScreenOrAsDesigned) {
    const QSize design(638, 480);
    const QSize screen(1280, 1024);
    const std::vector<std::pair<std::string, QSize>> cases{
        {"size=@Size(3000 700)", QSize(1280, 700)},
        {"size=@Size(900 600)\nfullScreen=true", QSize(900, 600)},
        {"size=@Size(300 200)", design},
        {"size=@Size(-5 x)", design},
        {"size=900", design},
        {"", design},
    };
    for (const auto& [board, expected] : cases) {
        WriteSettingsFile("[Board]\n" + board + "\n");
        const BoardSize kept = RestoreBoardSize(design, screen);
        EXPECT_EQ(kept.size, expected) << board;
        EXPECT_EQ(kept.fullScreen, board.find("fullScreen=true") != std::string::npos) << board;
    }
}
