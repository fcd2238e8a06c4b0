// SPDX-License-Identifier: MIT
#pragma once
// Runs a test body inside a dialog's modal loop, and moves and clicks the pointer the way the
// window system does (through the dialog's window, so modality and capture apply).

#include <QCoreApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <functional>

#include "platform/CDialog.h"

// Where the pointer rests between tests: away from every test dialog, so that each test starts
// with the pointer outside and its first move is a real one.
inline const QPoint kPointerParking(790, 590);

// The body runs once the loop is up; the dialog ends afterwards, also when the body failed.
inline void RunModal(CDialog& dialog, const std::function<void()>& body) {
    QCursor::setPos(kPointerParking);
    QCoreApplication::processEvents();
    CDialog::SetModalHook([&body](CDialog& running) {
        body();
        running.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    CDialog::SetModalHook({});
}

// Delivers what is queued: posted messages, leave notifications, repaints.
inline void Pump() { QCoreApplication::processEvents(); }

// Screen position of client point (x, y) of `window`.
inline QPoint ScreenPoint(const CWnd& window, int x, int y) { return window.GetSafeHwnd()->mapToGlobal(QPoint(x, y)); }

inline QPoint ScreenCentre(const CWnd& window) {
    return window.GetSafeHwnd()->mapToGlobal(window.GetSafeHwnd()->rect().center());
}

inline void MovePointer(QPoint screen) {
    QCursor::setPos(screen);
    Pump();
}

inline QWindow* TopWindowOf(const CWnd& window) { return window.GetSafeHwnd()->window()->windowHandle(); }

inline void PressLeft(const CWnd& anyWindowOfDialog) {
    QWindow* top = TopWindowOf(anyWindowOfDialog);
    QTest::mousePress(top, Qt::LeftButton, Qt::NoModifier, top->mapFromGlobal(QCursor::pos()));
    Pump();
}

inline void ReleaseLeft(const CWnd& anyWindowOfDialog) {
    QWindow* top = TopWindowOf(anyWindowOfDialog);
    QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, top->mapFromGlobal(QCursor::pos()));
    Pump();
}

inline void ClickAt(const CWnd& target) {
    MovePointer(ScreenCentre(target));
    PressLeft(target);
    ReleaseLeft(target);
}

// The colour `window` shows at client point (x, y) when painted now.
inline COLORREF ShownAt(const CWnd& window, int x, int y) {
    const QRgb pixel = window.GetSafeHwnd()->grab().toImage().pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
