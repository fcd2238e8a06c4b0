// SPDX-License-Identifier: MIT
#include "dialogs/CSettingsDlg.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/dialogs/DialogTestSupport.h"

namespace {

using Played = std::vector<std::string>;
using Checks = std::vector<bool>;

bool SameSettings(const GameSettings& a, const GameSettings& b) {
    return a.playerKind == b.playerKind && a.playerName == b.playerName && a.rangeLow == b.rangeLow &&
           a.rangeHigh == b.rangeHigh;
}

class SettingsDialogTest : public DialogTest {
protected:
    // Types the first name, then Done.
    void DoneWithFirstName(const std::string& name) {
        const int result = RunModal(settings, [&](CDialog& dialog) {
            dialog.SetDlgItemText(IDC_FIRST_NAME, name);
            ClickControl(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
    }

    Checks OpponentChecks() const {
        return {settings.noviceButton->GetCheck(), settings.intermediateButton->GetCheck(),
                settings.expertButton->GetCheck(), settings.personButton->GetCheck()};
    }
    Checks RangeChecks() const {
        return {settings.range0To10Button->GetCheck(), settings.range0To25Button->GetCheck(),
                settings.rangeMinus10To10Button->GetCheck(), settings.rangeMinus25To25Button->GetCheck()};
    }
    bool SecondNameEnabled() const { return settings.GetDlgItem(IDC_SECOND_NAME)->isEnabled(); }

    CSettingsDlg settings;
};

TEST_F(SettingsDialogTest, FirstOpeningShowsTheDefaults) {
    RunModal(settings, [&](CDialog& dialog) {
        EXPECT_EQ(OpponentChecks(), (Checks{true, false, false, false}));
        EXPECT_EQ(RangeChecks(), (Checks{true, false, false, false}));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_FIRST_NAME), "X-Player");
        EXPECT_EQ(dialog.GetDlgItemText(IDC_SECOND_NAME), "O-Player");
        EXPECT_FALSE(SecondNameEnabled());
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_TRUE(Sounds().empty());
}

TEST_F(SettingsDialogTest, PersonEnablesTheSecondNameAtOnceAndAComputerDisablesIt) {
    std::vector<bool> enabled;
    RunModal(settings, [&](CDialog& dialog) {
        ClickControl(dialog, IDC_PERSON);
        enabled.push_back(SecondNameEnabled());
        ClickControl(dialog, IDC_EXPERT);
        enabled.push_back(SecondNameEnabled());
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(enabled, (std::vector<bool>{true, false}));
    EXPECT_EQ(Sounds(), Played(2, kClickPlayed));
}

TEST_F(SettingsDialogTest, DoneWritesAPersonWithTheTypedNamesAndTheRange) {
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
    EXPECT_EQ(Sounds(), Played(3, kClickPlayed));
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
        EXPECT_EQ(settings.playerKind[1], c.kind) << c.name;
        EXPECT_EQ(settings.playerName[1], c.name);
    }
}

TEST_F(SettingsDialogTest, HiddenComputerFirstPlayerNeedsTheExactNameAndAPersonIsWrittenFirst) {
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
    // A hidden computer is no longer one once another name is typed.
    DoneWithFirstName("k9");
    ASSERT_EQ(settings.playerKind[0], Expert);
    DoneWithFirstName("Ann");
    EXPECT_EQ(settings.playerKind[0], Person);
}

TEST_F(SettingsDialogTest, EscapeAfterChangesLeavesTheSettingsAsTheyWere) {
    const GameSettings before = settings;
    const int result = RunModal(settings, [](CDialog& dialog) {
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
    RunModal(settings, [&](CDialog& dialog) {
        EXPECT_EQ(OpponentChecks(), (Checks{false, false, false, true}));
        EXPECT_EQ(RangeChecks(), (Checks{false, true, false, false}));
        EXPECT_EQ(dialog.GetDlgItemText(IDC_SECOND_NAME), "Bob");
        EXPECT_TRUE(SecondNameEnabled());
        PressKey(dialog, Qt::Key_Escape);
    });
}

TEST_F(SettingsDialogTest, RangeOutsideTheFourChecksNoneAndDoneKeepsIt) {
    settings.rangeLow = 3;
    settings.rangeHigh = 7;
    RunModal(settings, [&](CDialog& dialog) {
        EXPECT_EQ(RangeChecks(), (Checks{false, false, false, false}));
        ClickControl(dialog, IDOK);
    });
    EXPECT_EQ(settings.rangeLow, 3);
    EXPECT_EQ(settings.rangeHigh, 7);
}

}  // namespace
