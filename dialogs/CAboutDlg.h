// SPDX-License-Identifier: MIT
#pragma once
// The about box: the program's name and version, a picture, and a link to the how-to-play page
// shipped with the program. Each opening builds a new object.

#include <QPointer>

#include "controls/CColorLabel.h"
#include "controls/CHyperLink.h"
#include "dialogs/CSkinDialog.h"

class CAboutDlg : public CSkinDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPointer<CHyperLink> link;
    QPointer<CColorLabel> noticeLabel;

    bool OnInitDialog() override;
    // OK plays the click; Escape and the close box close silently.
    void OnOK() override;

protected:
    void DoDataExchange() override;
};
