// SPDX-License-Identifier: MIT
#include "dialogs/CSettingsDlg.h"
#include "dialogs/DialogLook.h"

#include <cstddef>
#include <tuple>
#include <utility>

#include "controls/GameSoundPlayer.h"
#include "core/NumberRange.h"
#include "dialogs/RememberedSettings.h"
#include "platform/access/AccessibleText.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

// A first player with one of these exact names is played by the computer.
struct HiddenComputer {
    const char* name;
    OpponentKind kind;
};
constexpr std::array<HiddenComputer, 3> kHiddenComputers{{
    {"k7", Novice},
    {"k8", Intermediate},
    {"k9", Expert},
}};

void SkinTwoPictureButton(CSkinButton& button, unsigned normal, unsigned pressed) {
    button.SetSkin(normal, pressed, 0, 0, 0, 0, 0, 0, 0, "", QRect(), kButtonFontHeight);
}

}  // namespace

CSettingsDlg::CSettingsDlg(QWidget* parent) : CSkinDialog(IDD_SETTINGS, parent) {}

void CSettingsDlg::DoDataExchange() {
    DDX_Control(IDC_FIRST_NAME_LABEL, firstNameLabel);
    DDX_Control(IDC_OPPONENT_LABEL, opponentLabel);
    DDX_Control(IDC_SECOND_NAME_LABEL, secondNameLabel);
    DDX_Control(IDC_RANGE_LABEL, rangeLabel);
    DDX_Control(IDOK, doneButton);
    DDX_Control(IDC_RANGE_0_TO_10, range0To10Button);
    DDX_Control(IDC_RANGE_0_TO_25, range0To25Button);
    DDX_Control(IDC_RANGE_MINUS_10_TO_10, rangeMinus10To10Button);
    DDX_Control(IDC_RANGE_MINUS_25_TO_25, rangeMinus25To25Button);
    DDX_Control(IDC_NOVICE, noviceButton);
    DDX_Control(IDC_INTERMEDIATE, intermediateButton);
    DDX_Control(IDC_EXPERT, expertButton);
    DDX_Control(IDC_PERSON, personButton);
}

bool CSettingsDlg::OnInitDialog() {
    EnableDrag(1);
    LoadBackground(IDB_DIALOG_BACKGROUND);

    const std::array<CColorLabel*, 4> labels{firstNameLabel, opponentLabel, secondNameLabel, rangeLabel};
    for (CColorLabel* label : labels) {
        label->SetBackColor(kLabelBackColor);
    }
    for (CColorLabel* label : labels) {
        label->SetForeColor(kLabelForeColor);
    }

    SkinTwoPictureButton(*range0To10Button, IDB_RANGE_0_TO_10, IDB_RANGE_0_TO_10_SELECTED);
    SkinTwoPictureButton(*range0To25Button, IDB_RANGE_0_TO_25, IDB_RANGE_0_TO_25_SELECTED);
    SkinTwoPictureButton(*rangeMinus10To10Button, IDB_RANGE_MINUS_10_TO_10, IDB_RANGE_MINUS_10_TO_10_SELECTED);
    SkinTwoPictureButton(*rangeMinus25To25Button, IDB_RANGE_MINUS_25_TO_25, IDB_RANGE_MINUS_25_TO_25_SELECTED);
    SkinTwoPictureButton(*doneButton, IDB_DONE, IDB_DONE_SELECTED);
    SkinTwoPictureButton(*noviceButton, IDB_NOVICE, IDB_NOVICE_SELECTED);
    SkinTwoPictureButton(*intermediateButton, IDB_INTERMEDIATE, IDB_INTERMEDIATE_SELECTED);
    SkinTwoPictureButton(*expertButton, IDB_EXPERT, IDB_EXPERT_SELECTED);
    SkinTwoPictureButton(*personButton, IDB_PERSON, IDB_PERSON_SELECTED);

    // Each group of choices and each name box is labelled by the text beside it.
    for (CSkinButton* opponent :
         std::array<CSkinButton*, 4>{noviceButton, intermediateButton, expertButton, personButton}) {
        opponent->SetLabelledBy(opponentLabel);
    }
    for (CSkinButton* range : RangeButtons()) {
        range->SetLabelledBy(rangeLabel);
    }
    SetAccessibleName(GetDlgItem(IDC_FIRST_NAME), firstNameLabel->text());
    SetAccessibleName(GetDlgItem(IDC_SECOND_NAME), secondNameLabel->text());
    ShowSettings();
    return true;
}

void CSettingsDlg::ShowSettings() {
    SetDlgItemText(IDC_FIRST_NAME, playerName[0]);
    SetDlgItemText(IDC_SECOND_NAME, playerName[1]);

    const OpponentKind second = playerKind[1];
    personButton->SetCheck(second == Person);
    noviceButton->SetCheck(second == Novice);
    intermediateButton->SetCheck(second == Intermediate);
    expertButton->SetCheck(second == Expert);

    const std::pair<std::int32_t, std::int32_t> bounds{rangeLow, rangeHigh};
    const std::array<CSkinButton*, 4> rangeButtons = RangeButtons();
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        rangeButtons[range]->SetCheck(RangeBounds(static_cast<NumberRange>(range)) == bounds);
    }

    EnableSecondName(second == Person);
}

void CSettingsDlg::EnableSecondName(bool enable) {
    if (QWidget* box = GetDlgItem(IDC_SECOND_NAME)) {
        box->setEnabled(enable);
    }
}

void CSettingsDlg::OnCommand(int id) {
    switch (id) {
    case IDC_PERSON:
        EnableSecondName(true);
        PlayGameSound(IDW_CLICK, 1, 0, 0);
        return;
    case IDC_NOVICE:
    case IDC_INTERMEDIATE:
    case IDC_EXPERT:
        EnableSecondName(false);
        PlayGameSound(IDW_CLICK, 1, 0, 0);
        return;
    case IDC_RANGE_0_TO_10:
    case IDC_RANGE_0_TO_25:
    case IDC_RANGE_MINUS_10_TO_10:
    case IDC_RANGE_MINUS_25_TO_25:
        PlayGameSound(IDW_CLICK, 1, 0, 0);
        return;
    default:
        CSkinDialog::OnCommand(id);
    }
}

void CSettingsDlg::OnOK() {
    playerKind[0] = Person;
    ReadOpponent();
    playerName[0] = GetDlgItemText(IDC_FIRST_NAME);
    for (const HiddenComputer& hidden : kHiddenComputers) {
        if (playerName[0] == hidden.name) {
            playerKind[0] = hidden.kind;
        }
    }
    ReadRange();
    RememberSettings(*this);
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    CSkinDialog::OnOK();
}

void CSettingsDlg::ReadOpponent() {
    if (personButton->GetCheck()) {
        playerKind[1] = Person;
        playerName[1] = GetDlgItemText(IDC_SECOND_NAME);
    } else if (noviceButton->GetCheck()) {
        playerKind[1] = Novice;
        playerName[1] = "Computer 1";
    } else if (intermediateButton->GetCheck()) {
        playerKind[1] = Intermediate;
        playerName[1] = "Computer 2";
    } else if (expertButton->GetCheck()) {
        playerKind[1] = Expert;
        playerName[1] = "Computer 3";
    }
}

void CSettingsDlg::ReadRange() {
    const std::array<CSkinButton*, 4> rangeButtons = RangeButtons();
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        if (rangeButtons[range]->GetCheck()) {
            std::tie(rangeLow, rangeHigh) = RangeBounds(static_cast<NumberRange>(range));
            return;
        }
    }
}

std::array<CSkinButton*, 4> CSettingsDlg::RangeButtons() const {
    return {range0To10Button, range0To25Button, rangeMinus10To10Button, rangeMinus25To25Button};
}
