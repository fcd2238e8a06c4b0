// SPDX-License-Identifier: MIT
#include "dialogs/CHighScoresDlg.h"
#include "dialogs/DialogLook.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstddef>

#include "controls/GameSoundPlayer.h"
#include "platform/access/Announcements.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"

namespace {

struct RangeButtonPictures {
    unsigned normal;
    unsigned checked;
};
// The normal picture, and the same with a blue outline for pressed or checked.
constexpr std::array<RangeButtonPictures, 4> kRangeButtonPictures{{
    {IDB_RANGE_0_TO_10, IDB_RANGE_0_TO_10_SELECTED},
    {IDB_RANGE_0_TO_25, IDB_RANGE_0_TO_25_SELECTED},
    {IDB_RANGE_MINUS_10_TO_10, IDB_RANGE_MINUS_10_TO_10_SELECTED},
    {IDB_RANGE_MINUS_25_TO_25, IDB_RANGE_MINUS_25_TO_25_SELECTED},
}};

int RangeButtonId(std::size_t range) {
    return IDC_FIRST_SCORES_RANGE + static_cast<int>(range);
}

}  // namespace

CHighScoresDlg::CHighScoresDlg(QWidget* parent) : CSkinDialog(IDD_HIGH_SCORES, parent) {
    // A save runs on the interface thread and may wait seconds for another copy's save. Meanwhile
    // the windows repaint, but no input or timer is handled, so that nothing starts in the middle.
    SetLockWait({.betweenTries = [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers);
    }});
}

void CHighScoresDlg::DoDataExchange() {
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        DDX_Control(RangeButtonId(range), rangeButtons[range]);
    }
    DDX_Control(IDOK, doneButton);
    for (std::size_t line = 0; line < lineLabels.size(); ++line) {
        DDX_Control(IDC_FIRST_SCORE_LINE + static_cast<int>(line), lineLabels[line]);
    }
}

bool CHighScoresDlg::OnInitDialog() {
    EnableDrag(1);
    LoadBackground(IDB_DIALOG_BACKGROUND);

    shownRange = lastRange;
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        rangeButtons[range]->SetCheck(static_cast<int>(range) == shownRange);
    }
    for (std::size_t range = 0; range < rangeButtons.size(); ++range) {
        const RangeButtonPictures& pictures = kRangeButtonPictures[range];
        rangeButtons[range]->SetSkin(pictures.normal, pictures.checked, 0, 0, 0, 0, 0, 0, 0, "", QRect(),
                                     kButtonFontHeight);
    }
    doneButton->SetSkin(IDB_DONE, IDB_DONE_SELECTED, 0, 0, 0, 0, 0, 0, 0, "", QRect(), kButtonFontHeight);

    for (CColorLabel* label : lineLabels) {
        label->SetBackColor(kLabelBackColor);
    }
    for (CColorLabel* label : lineLabels) {
        label->SetForeColor(kLabelForeColor);
    }
    FillLines();
    return true;
}

void CHighScoresDlg::FillLines() {
    for (std::size_t line = 0; line < lineLabels.size(); ++line) {
        // The stored name is data: it is copied into the line, never used as a format.
        lineLabels[line]->setText(QString::fromStdString(ShownLineText(static_cast<int>(line))));
    }
}

// A screen reader speaks a dialog's texts when it opens, not when they change: the lines of another
// range are told.
void CHighScoresDlg::AnnounceLines() {
    QStringList shown;
    for (const CColorLabel* label : lineLabels) {
        if (!label->text().isEmpty()) {
            shown << label->text();
        }
    }
    Announce(this, shown.isEmpty() ? QCoreApplication::translate("CHighScoresDlg", "No results in this range yet.")
                                   : shown.join(QLatin1Char('\n')));
}

void CHighScoresDlg::OnCommand(int id) {
    const int range = id - IDC_FIRST_SCORES_RANGE;
    if (range >= 0 && range < static_cast<int>(rangeButtons.size())) {
        shownRange = range;
        PlayGameSound(IDW_CLICK, 1, 0, 0);
        FillLines();
        AnnounceLines();
        return;
    }
    CSkinDialog::OnCommand(id);
}

void CHighScoresDlg::OnOK() {
    PlayGameSound(IDW_CLICK, 1, 0, 0);
    newLine = {-1, -1};
    CSkinDialog::OnOK();
}
