// SPDX-License-Identifier: MIT
#include "platform/dialog/DataExchange.h"

#include "platform/window/CWnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr && dx != nullptr && dx->m_pDlgWnd != nullptr) {
        control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
    }
}
