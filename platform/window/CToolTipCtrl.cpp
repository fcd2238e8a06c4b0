// SPDX-License-Identifier: MIT
#include "platform/window/CToolTipCtrl.h"

#include <QWidget>

#include "platform/window/CWnd.h"

CToolTipCtrl::~CToolTipCtrl() {
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* owner, DWORD) {
    owner_ = owner;
    return owner != nullptr && owner->m_hWnd != nullptr ? TRUE : FALSE;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const std::string& text, const CRect*, UINT_PTR) {
    if (owner_ == nullptr || window == nullptr || window->m_hWnd == nullptr) {
        return FALSE;
    }
    tool_ = window;
    window->m_hWnd->setToolTip(QString::fromStdString(text));
    return TRUE;
}

void CToolTipCtrl::DestroyWindow() {
    if (tool_ != nullptr && tool_->m_hWnd != nullptr) {
        tool_->m_hWnd->setToolTip(QString());
    }
    tool_ = nullptr;
    owner_ = nullptr;
}
