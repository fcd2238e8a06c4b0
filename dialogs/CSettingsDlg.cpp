// SPDX-License-Identifier: MIT
#include "dialogs/CSettingsDlg.h"
#include "dialogs/DialogLook.h"

#include <cstddef>
#include <tuple>
#include <utility>

#include "controls/GameSoundPlayer.h"
#include "core/GameSounds.h"
#include "core/NumberRange.h"
#include "platform/dialog/DataExchange.h"
#include "resources/GameDialogTemplates.h"

namespace {

constexpr int kFirstNameBoxId = 1007;
constexpr int kSecondNameBoxId = 1011;
constexpr int kNoviceId = 1012;
constexpr int kIntermediateId = 1013;
constexpr int kPersonId = 1014;
constexpr int kExpertId = 1015;
constexpr int kRange0To10Id = 1026;
constexpr int kRange0To25Id = 1027;
constexpr int kRangeMinus10To10Id = 1028;
constexpr int kRangeMinus25To25Id = 1029;


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

void SkinTwoPictureButton(CSkinButton& button, UINT normal, UINT pressed)
{
    button.SetSkin(normal, pressed, 0, 0, 0, 0, 0, 0, 0, "", CRect(), kButtonFontHeight);
}

}  // namespace

CSettingsDlg::CSettingsDlg(CWnd* parent) : CSkinDialog(IDD_SETTINGS, parent) {}

void CSettingsDlg::DoDataExchange(CDataExchange* dx)
{
    CSkinDialog::DoDataExchange(dx);
    DDX_Control(dx, 1525, firstNameLabel);
    DDX_Control(dx, 1526, opponentLabel);
    DDX_Control(dx, 1527, secondNameLabel);
    DDX_Control(dx, 1528, rangeLabel);
    DDX_Control(dx, IDOK, doneButton);
    DDX_Control(dx, kRange0To10Id, range0To10Button);
    DDX_Control(dx, kRange0To25Id, range0To25Button);
    DDX_Control(dx, kRangeMinus10To10Id, rangeMinus10To10Button);
    DDX_Control(dx, kRangeMinus25To25Id, rangeMinus25To25Button);
    DDX_Control(dx, kNoviceId, noviceButton);
    DDX_Control(dx, kIntermediateId, intermediateButton);
    DDX_Control(dx, kExpertId, expertButton);
    DDX_Control(dx, kPersonId, personButton);
}

BOOL CSettingsDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    EnableDrag(1);
    LoadBackground(kDialogBackgroundBitmap);

    const std::array<CColorLabel*, 4> labels{&firstNameLabel, &opponentLabel, &secondNameLabel, &rangeLabel};
    for (CColorLabel* label : labels) {
        label->SetBackColor(kLabelBackColor);
    }
    for (CColorLabel* label : labels) {
        label->SetForeColor(kLabelForeColor);
    }

    SkinTwoPictureButton(range0To10Button, 246, 253);
    SkinTwoPictureButton(range0To25Button, 248, 254);
    SkinTwoPictureButton(rangeMinus10To10Button, 249, 256);
    SkinTwoPictureButton(rangeMinus25To25Button, 250, 255);
    SkinTwoPictureButton(doneButton, 251, 252);
    SkinTwoPictureButton(noviceButton, 271, 272);
    SkinTwoPictureButton(intermediateButton, 265, 266);
    SkinTwoPictureButton(expertButton, 267, 268);
    SkinTwoPictureButton(personButton, 269, 270);

    // Each name box is labelled by the text beside it.
    for (const auto& [box, label] : {std::pair{kFirstNameBoxId, 1525}, std::pair{kSecondNameBoxId, 1527}}) {
        std::string text;
        GetDlgItemText(label, text);
        GetDlgItem(box)->SetAccessibleName(text);
    }
    ShowSettings();
    return TRUE;
}

void CSettingsDlg::ShowSettings()
{
    SetDlgItemText(kFirstNameBoxId, playerName[0]);
    SetDlgItemText(kSecondNameBoxId, playerName[1]);

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

void CSettingsDlg::EnableSecondName(bool enable)
{
    if (CWnd* box = GetDlgItem(kSecondNameBoxId)) {
        box->EnableWindow(enable ? TRUE : FALSE);
    }
}

BOOL CSettingsDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case kPersonId:
            EnableSecondName(true);
            PlayGameSound(kClickSound, 1, 0, 0);
            return TRUE;
        case kNoviceId:
        case kIntermediateId:
        case kExpertId:
            EnableSecondName(false);
            PlayGameSound(kClickSound, 1, 0, 0);
            return TRUE;
        case kRange0To10Id:
        case kRange0To25Id:
        case kRangeMinus10To10Id:
        case kRangeMinus25To25Id:
            PlayGameSound(kClickSound, 1, 0, 0);
            return TRUE;
        default:
            break;
        }
    }
    return CSkinDialog::OnCommand(wParam, lParam);
}

void CSettingsDlg::OnOK()
{
    playerKind[0] = Person;
    ReadOpponent();
    GetDlgItemText(kFirstNameBoxId, playerName[0]);
    for (const HiddenComputer& hidden : kHiddenComputers) {
        if (playerName[0] == hidden.name) {
            playerKind[0] = hidden.kind;
        }
    }
    ReadRange();
    PlayGameSound(kClickSound, 1, 0, 0);
    CSkinDialog::OnOK();
}

void CSettingsDlg::ReadOpponent()
{
    if (personButton.GetCheck() != 0) {
        playerKind[1] = Person;
        GetDlgItemText(kSecondNameBoxId, playerName[1]);
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

void CSettingsDlg::ReadRange()
{
    const std::array<CSkinButton*, 4> rangeButtons = RangeButtons();
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        if (rangeButtons[range]->GetCheck() != 0) {
            std::tie(rangeLow, rangeHigh) = RangeBounds(static_cast<NumberRange>(range));
            return;
        }
    }
}

std::array<CSkinButton*, 4> CSettingsDlg::RangeButtons()
{
    return {&range0To10Button, &range0To25Button, &rangeMinus10To10Button, &rangeMinus25To25Button};
}
