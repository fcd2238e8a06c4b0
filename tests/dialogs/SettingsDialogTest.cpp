// SPDX-License-Identifier: MIT
#include "dialogs/CSettingsDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dialogs/DialogTestSupport.h"

namespace {

bool SameSettings(const GameSettings& a, const GameSettings& b) {
    return a.playerKind == b.playerKind && a.playerName == b.playerName && a.rangeLow == b.rangeLow &&
           a.rangeHigh == b.rangeHigh;
}

class SettingsDialogTest : public DialogTest {
protected:
    // Types the first name, then Done.
    void DoneWithFirstName(const std::string& name) {
        const INT_PTR result = RunModal(settings, [&](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_FIRST_NAME, name);
            ClickControl(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
    }

    CSettingsDlg settings;
};

TEST_F(SettingsDialogTest, FirstOpeningShowsTheDefaults) {
    std::vector<int> checks;
    std::string first;
    std::string second;
    BOOL secondEnabled = TRUE;
    RunModal(settings, [&](CDialog&) {
        for (CSkinButton* button : {&settings.noviceButton, &settings.intermediateButton, &settings.expertButton,
                                    &settings.personButton, &settings.range0To10Button, &settings.range0To25Button,
                                    &settings.rangeMinus10To10Button, &settings.rangeMinus25To25Button}) {
            checks.push_back(button->GetCheck());
        }
        first = ControlText(settings, IDC_FIRST_NAME);
        second = ControlText(settings, IDC_SECOND_NAME);
        secondEnabled = settings.GetDlgItem(IDC_SECOND_NAME)->IsWindowEnabled();
        PressKey(settings, Qt::Key_Escape);
    });
    EXPECT_EQ(checks, (std::vector<int>{1, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(first, "X-Player");
    EXPECT_EQ(second, "O-Player");
    EXPECT_FALSE(secondEnabled);
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(SettingsDialogTest, PersonEnablesTheSecondNameAndAComputerDisablesIt) {
    std::vector<bool> enabled;
    RunModal(settings, [&](CDialog& dialog) {
        ClickControl(dialog, IDC_PERSON);
        enabled.push_back(dialog.GetDlgItem(IDC_SECOND_NAME)->IsWindowEnabled() != FALSE);
        ClickControl(dialog, IDC_EXPERT);
        enabled.push_back(dialog.GetDlgItem(IDC_SECOND_NAME)->IsWindowEnabled() != FALSE);
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(enabled, (std::vector<bool>{true, false}));
    EXPECT_EQ(Sounds(), (std::vector<std::string>{kClickPlayed, kClickPlayed}));
}

TEST_F(SettingsDialogTest, DoneWritesAPersonWithTheTypedNames) {
    RunModal(settings, [](CDialog& dialog) {
        ClickControl(dialog, IDC_PERSON);
        dialog.SetDlgItemText(IDC_FIRST_NAME, "Ann");
        dialog.SetDlgItemText(IDC_SECOND_NAME, "Bob");
        ClickControl(dialog, IDC_RANGE_MINUS_10_TO_10);
        ProcessPostedMessages();
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(settings.playerKind[0], Person);
    EXPECT_EQ(settings.playerKind[1], Person);
    EXPECT_EQ(settings.playerName[0], "Ann");
    EXPECT_EQ(settings.playerName[1], "Bob");
    EXPECT_EQ(settings.rangeLow, -10);
    EXPECT_EQ(settings.rangeHigh, 10);
    EXPECT_EQ(Sounds(), (std::vector<std::string>(3, kClickPlayed)));
}

TEST_F(SettingsDialogTest, AComputerLevelReplacesTheSecondName) {
    struct Case {
        int buttonId;
        OpponentKind kind;
        const char* name;
    };
    for (const Case& c : {Case{IDC_NOVICE, Novice, "Computer 1"}, Case{IDC_INTERMEDIATE, Intermediate, "Computer 2"},
                          Case{IDC_EXPERT, Expert, "Computer 3"}}) {
        RunModal(settings, [&](CDialog& dialog) {
            ClickControl(dialog, IDC_PERSON);
            dialog.SetDlgItemText(IDC_SECOND_NAME, "Bob");
            ClickControl(dialog, c.buttonId);
            ProcessPostedMessages();
            ClickControl(dialog, IDOK);
        });
        EXPECT_EQ(settings.playerKind[1], c.kind);
        EXPECT_EQ(settings.playerName[1], c.name);
    }
}

TEST_F(SettingsDialogTest, HiddenComputerFirstPlayerNeedsTheExactName) {
    struct Case {
        const char* name;
        OpponentKind kind;
    };
    for (const Case& c : {Case{"k7", Novice}, Case{"k8", Intermediate}, Case{"k9", Expert}, Case{"K8", Person},
                          Case{" k8", Person}, Case{"k8 ", Person}, Case{"k6", Person}, Case{"k", Person}}) {
        DoneWithFirstName(c.name);
        EXPECT_EQ(settings.playerKind[0], c.kind) << '"' << c.name << '"';
        EXPECT_EQ(settings.playerName[0], c.name);
    }
}

TEST_F(SettingsDialogTest, APersonAgainIsAlwaysWrittenFirst) {
    DoneWithFirstName("k9");
    ASSERT_EQ(settings.playerKind[0], Expert);
    DoneWithFirstName("Ann");
    EXPECT_EQ(settings.playerKind[0], Person);
}

TEST_F(SettingsDialogTest, EscapeAfterChangesLeavesTheRecord) {
    const GameSettings before = settings;
    const INT_PTR result = RunModal(settings, [](CDialog& dialog) {
        ClickControl(dialog, IDC_PERSON);
        dialog.SetDlgItemText(IDC_FIRST_NAME, "k8");
        dialog.SetDlgItemText(IDC_SECOND_NAME, "Bob");
        ClickControl(dialog, IDC_RANGE_MINUS_25_TO_25);
        ProcessPostedMessages();
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(SameSettings(settings, before));
}

TEST_F(SettingsDialogTest, NextOpeningShowsThePreviousChoices) {
    RunModal(settings, [](CDialog& dialog) {
        ClickControl(dialog, IDC_PERSON);
        dialog.SetDlgItemText(IDC_SECOND_NAME, "Bob");
        ClickControl(dialog, IDC_RANGE_0_TO_25);
        ProcessPostedMessages();
        ClickControl(dialog, IDOK);
    });
    std::vector<int> checks;
    std::string second;
    BOOL secondEnabled = FALSE;
    RunModal(settings, [&](CDialog& dialog) {
        checks = {settings.personButton.GetCheck(), settings.noviceButton.GetCheck(),
                  settings.range0To10Button.GetCheck(), settings.range0To25Button.GetCheck()};
        second = ControlText(dialog, IDC_SECOND_NAME);
        secondEnabled = dialog.GetDlgItem(IDC_SECOND_NAME)->IsWindowEnabled();
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(checks, (std::vector<int>{1, 0, 0, 1}));
    EXPECT_EQ(second, "Bob");
    EXPECT_TRUE(secondEnabled);
}

TEST_F(SettingsDialogTest, RangeOutsideTheFourChecksNoneAndDoneKeepsIt) {
    settings.rangeLow = 3;
    settings.rangeHigh = 7;
    std::vector<int> checks;
    RunModal(settings, [&](CDialog& dialog) {
        checks = {settings.range0To10Button.GetCheck(), settings.range0To25Button.GetCheck(),
                  settings.rangeMinus10To10Button.GetCheck(), settings.rangeMinus25To25Button.GetCheck()};
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(checks, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(settings.rangeLow, 3);
    EXPECT_EQ(settings.rangeHigh, 7);
}

}  // namespace
