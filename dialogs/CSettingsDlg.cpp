// SPDX-License-Identifier: MIT
#include "dialogs/CSettingsDlg.h"
#include "dialogs/DialogLook.h"

#include <cstddef>
#include <tuple>
#include <utility>

#include "controls/GameSoundPlayer.h"
#include "core/NumberRange.h"
#include "platform/dialog/DataExchange.h"
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

void SkinTwoPictureButton(CSkinButton& button, UINT normal, UINT pressed) {
    button.SetSkin(normal, pressed, 0, 0, 0, 0, 0, 0, 0, "", CRect(), kButtonFontHeight);
}

}  // namespace

CSettingsDlg::CSettingsDlg(CWnd* parent) : CSkinDialog(IDD_SETTINGS, parent) {}

void CSettingsDlg::DoDataExchange(CDataExchange* dx) {
    CSkinDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_FIRST_NAME_LABEL, firstNameLabel);
    DDX_Control(dx, IDC_OPPONENT_LABEL, opponentLabel);
    DDX_Control(dx, IDC_SECOND_NAME_LABEL, secondNameLabel);
    DDX_Control(dx, IDC_RANGE_LABEL, rangeLabel);
    DDX_Control(dx, IDOK, doneButton);
    DDX_Control(dx, IDC_RANGE_0_TO_10, range0To10Button);
    DDX_Control(dx, IDC_RANGE_0_TO_25, range0To25Button);
    DDX_Control(dx, IDC_RANGE_MINUS_10_TO_10, rangeMinus10To10Button);
    DDX_Control(dx, IDC_RANGE_MINUS_25_TO_25, rangeMinus25To25Button);
    DDX_Control(dx, IDC_NOVICE, noviceButton);
    DDX_Control(dx, IDC_INTERMEDIATE, intermediateButton);
    DDX_Control(dx, IDC_EXPERT, expertButton);
    DDX_Control(dx, IDC_PERSON, personButton);
}

BOOL CSettingsDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    EnableDrag(1);
    LoadBackground(IDB_DIALOG_BACKGROUND);

    const std::array<CColorLabel*, 4> labels{&firstNameLabel, &opponentLabel, &secondNameLabel, &rangeLabel};
    for (CColorLabel* label : labels) {
        label->SetBackColor(kLabelBackColor);
    }
    for (CColorLabel* label : labels) {
        label->SetForeColor(kLabelForeColor);
    }

    SkinTwoPictureButton(range0To10Button, IDB_RANGE_0_TO_10, IDB_RANGE_0_TO_10_SELECTED);
    SkinTwoPictureButton(range0To25Button, IDB_RANGE_0_TO_25, IDB_RANGE_0_TO_25_SELECTED);
    SkinTwoPictureButton(rangeMinus10To10Button, IDB_RANGE_MINUS_10_TO_10, IDB_RANGE_MINUS_10_TO_10_SELECTED);
    SkinTwoPictureButton(rangeMinus25To25Button, IDB_RANGE_MINUS_25_TO_25, IDB_RANGE_MINUS_25_TO_25_SELECTED);
    SkinTwoPictureButton(doneButton, IDB_DONE, IDB_DONE_SELECTED);
    SkinTwoPictureButton(noviceButton, IDB_NOVICE, IDB_NOVICE_SELECTED);
    SkinTwoPictureButton(intermediateButton, IDB_INTERMEDIATE, IDB_INTERMEDIATE_SELECTED);
    SkinTwoPictureButton(expertButton, IDB_EXPERT, IDB_EXPERT_SELECTED);
    SkinTwoPictureButton(personButton, IDB_PERSON, IDB_PERSON_SELECTED);

    // Each name box is labelled by the text beside it.
    for (const auto& [box, label] :
         {std::pair{IDC_FIRST_NAME, IDC_FIRST_NAME_LABEL}, std::pair{IDC_SECOND_NAME, IDC_SECOND_NAME_LABEL}}) {
        std::string text;
        GetDlgItemText(label, text);
        GetDlgItem(box)->SetAccessibleName(text);
    }
    ShowSettings();
    return TRUE;
}

void CSettingsDlg::ShowSettings() {
    SetDlgItemText(IDC_FIRST_NAME, playerName[0]);
    SetDlgItemText(IDC_SECOND_NAME, playerName[1]);

    const OpponentKind second = playerKind[1];
    personButton.SetCheck(second == Person ? 1 : 0);
    noviceButton.SetCheck(second == Novice ? 1 : 0);
    intermediateButton.SetCheck(second == Intermediate ? 1 : 0);
    expertButton.SetCheck(second == Expert ? 1 : 0);

    const std::pair<std::int32_t, std::int32_t> bounds{rangeLow, rangeHigh};
    const std::array<CSkinButton*, 4> rangeButtons = RangeButtons();
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        rangeButtons[range]->SetCheck(RangeBounds(static_cast<NumberRange>(range)) == bounds ? 1 : 0);
    }

    EnableSecondName(second == Person);
}

void CSettingsDlg::EnableSecondName(bool enable) {
    if (CWnd* box = GetDlgItem(IDC_SECOND_NAME)) {
        box->EnableWindow(enable ? TRUE : FALSE);
    }
}

BOOL CSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_PERSON:
            EnableSecondName(true);
            PlayGameSound(IDW_CLICK, 1, 0, 0);
            return TRUE;
        case IDC_NOVICE:
        case IDC_INTERMEDIATE:
        case IDC_EXPERT:
            EnableSecondName(false);
            PlayGameSound(IDW_CLICK, 1, 0, 0);
            return TRUE;
        case IDC_RANGE_0_TO_10:
        case IDC_RANGE_0_TO_25:
        case IDC_RANGE_MINUS_10_TO_10:
        case IDC_RANGE_MINUS_25_TO_25:
            PlayGameSound(IDW_CLICK, 1, 0, 0);
            return TRUE;
        default:
            break;
        }
    }
    return CSkinDialog::OnCommand(wParam, lParam);
}

void CSettingsDlg::OnOK() {
    playerKind[0] = Person;
    ReadOpponent();
    GetDlgItemText(IDC_FIRST_NAME, playerName[0]);
    for (const HiddenComputer& hidden : kHiddenComputers) {
        if (playerName[0] == hidden.name) {
            playerKind[0] = hidden.kind;
        }
    }
    ReadRange();
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    CSkinDialog::OnOK();
}

void CSettingsDlg::ReadOpponent() {
    if (personButton.GetCheck() != 0) {
        playerKind[1] = Person;
        GetDlgItemText(IDC_SECOND_NAME, playerName[1]);
    } else if (noviceButton.GetCheck() != 0) {
        playerKind[1] = Novice;
        playerName[1] = "Computer 1";
    } else if (intermediateButton.GetCheck() != 0) {
        playerKind[1] = Intermediate;
        playerName[1] = "Computer 2";
    } else if (expertButton.GetCheck() != 0) {
        playerKind[1] = Expert;
        playerName[1] = "Computer 3";
    }
}

void CSettingsDlg::ReadRange() {
    const std::array<CSkinButton*, 4> rangeButtons = RangeButtons();
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        if (rangeButtons[range]->GetCheck() != 0) {
            std::tie(rangeLow, rangeHigh) = RangeBounds(static_cast<NumberRange>(range));
            return;
        }
    }
}

std::array<CSkinButton*, 4> CSettingsDlg::RangeButtons() {
    return {&range0To10Button, &range0To25Button, &rangeMinus10To10Button, &rangeMinus25To25Button};
}
