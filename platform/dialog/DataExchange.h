// SPDX-License-Identifier: MIT
#pragma once
// Dialog data exchange: the direction of an UpdateData pass and the binding of a template control
// to a member object.

#include "platform/WinTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls -> members (OnOK); FALSE: members -> controls
};

// Subclasses control `id` of the dialog as `control` the first time (while `control` has no window).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
