// SPDX-License-Identifier: MIT
#pragma once
// The about box: the program's name and version, a picture, and a link to the how-to-play page
// shipped beside the program. Each opening builds a new object.

#include "controls/CColorLabel.h"
#include "controls/CHyperLink.h"
#include "dialogs/CSkinDialog.h"

class CAboutDlg : public CSkinDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr);

    CHyperLink link;
    CColorLabel noticeLabel;

    BOOL OnInitDialog() override;
    // OK plays the click; Escape and the close box close silently.
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
