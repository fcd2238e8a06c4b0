// SPDX-License-Identifier: MIT
#include "dialogs/CSkinDialog.h"

#include "platform/draw/BitmapInfo.h"
#include "platform/draw/CDC.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/Resources.h"

CSkinDialog::CSkinDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

CSkinDialog::~CSkinDialog() {
    FreeBackground();
}

void CSkinDialog::EnableDrag(int on) {
    dragAnywhere = on;
}

int CSkinDialog::LoadBackground(WORD resourceId) {
    return SetBackground(LoadBitmapResource(resourceId));
}

int CSkinDialog::SetBackground(HBITMAP bitmap) {
    // Setting the picture already shown must not free it before taking it again.
    if (bitmap == nullptr || bitmap != static_cast<HBITMAP>(backgroundBitmap)) {
        FreeBackground();
    }
    if (bitmap != nullptr && backgroundBitmap.GetSafeHandle() == nullptr) {
        backgroundBitmap.Attach(bitmap);
        BITMAP description;
        if (backgroundBitmap.GetBitmap(&description) == 0) {
            FreeBackground();
            return 0;
        }
    }
    if (GetSafeHwnd() != nullptr) {
        Invalidate(TRUE);
    }
    return 1;
}

void CSkinDialog::FreeBackground() {
    backgroundBitmap.DeleteObject();
}

BOOL CSkinDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    return TRUE;
}

void CSkinDialog::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
}

LRESULT CSkinDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        if (dragAnywhere != 0) {
            PostMessage(WM_NCLBUTTONDOWN, static_cast<WPARAM>(HTCAPTION), lParam);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBackground(message, wParam, lParam);
    case WM_SIZE: {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        if (HasBackground()) {
            Invalidate(TRUE);
        }
        return result;
    }
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
}

LRESULT CSkinDialog::OnEraseBackground(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
    auto* dc = reinterpret_cast<CDC*>(wParam);
    if (!HasBackground() || dc == nullptr) {
        return result;
    }
    // 1:1 from the top-left corner: neither stretched, centred nor tiled.
    CRect client;
    GetClientRect(&client);
    CDC pictureDc;
    pictureDc.CreateCompatibleDC(dc);
    CBitmap* previous = pictureDc.SelectObject(&backgroundBitmap);
    dc->BitBlt(0, 0, client.Width(), client.Height(), &pictureDc, 0, 0, SRCCOPY);
    pictureDc.SelectObject(previous);
    return result;
}
