// SPDX-License-Identifier: MIT
#include "tests/support/Input.h"

#include <QCoreApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

QWidget* ControlWidget(const CWnd& window, int controlId) {
    CWnd* control = window.GetDlgItem(controlId);
    return control != nullptr ? control->GetSafeHwnd() : nullptr;
}

QPoint InWindow(QWidget* widget, QPoint point) {
    return widget->mapTo(widget->window(), point);
}

}  // namespace

QWindow* TopWindowOf(const CWnd& window) {
    return window.GetSafeHwnd()->window()->windowHandle();
}

void ClickControl(const CWnd& window, int controlId) {
    QWidget* widget = ControlWidget(window, controlId);
    ASSERT_NE(widget, nullptr) << "no control " << controlId;
    QTest::mouseMove(widget, widget->rect().center());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void ClickWindow(const CWnd& window) {
    QTest::mouseClick(window.GetSafeHwnd(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

void TypeInto(const CWnd& window, int controlId, const std::string& text) {
    CWnd* control = window.GetDlgItem(controlId);
    ASSERT_NE(control, nullptr) << "no control " << controlId;
    control->SetWindowText(text);
}

void TypeKeys(const CWnd& window, int controlId, const std::string& keys) {
    QWidget* widget = ControlWidget(window, controlId);
    ASSERT_NE(widget, nullptr) << "no control " << controlId;
    QTest::keyClicks(widget, QString::fromStdString(keys));
}

void PressKey(const CWnd& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = window.GetSafeHwnd()->focusWidget();
    if (target == nullptr) {
        target = window.GetSafeHwnd();
    }
    QTest::keyClick(target, key, modifiers);
}

void ProcessPostedMessages() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::string ControlText(const CWnd& window, int controlId) {
    std::string text;
    window.GetDlgItemText(controlId, text);
    return text;
}

void PressAt(QWidget* widget, QPoint point) {
    QTest::mousePress(widget->window()->windowHandle(), Qt::LeftButton, {}, InWindow(widget, point));
}

void ReleaseAt(QWidget* widget, QPoint point) {
    QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, {}, InWindow(widget, point));
}

void MoveTo(QWidget* widget, QPoint point) {
    QTest::mouseMove(widget->window()->windowHandle(), InWindow(widget, point));
}

void ClickAt(QWidget* widget, QPoint point) {
    QTest::mouseClick(widget->window()->windowHandle(), Qt::LeftButton, {}, InWindow(widget, point));
}

QPoint Centre(const QWidget* widget) {
    return widget->rect().center();
}

QPoint ScreenPoint(const CWnd& window, int x, int y) {
    return window.GetSafeHwnd()->mapToGlobal(QPoint(x, y));
}

QPoint ScreenCentre(const CWnd& window) {
    return window.GetSafeHwnd()->mapToGlobal(window.GetSafeHwnd()->rect().center());
}

void MovePointer(QPoint screen) {
    QCursor::setPos(screen);
    ProcessPostedMessages();
}

void PressLeft(const CWnd& anyWindowOfDialog) {
    QWindow* top = TopWindowOf(anyWindowOfDialog);
    QTest::mousePress(top, Qt::LeftButton, Qt::NoModifier, top->mapFromGlobal(QCursor::pos()));
    ProcessPostedMessages();
}

void ReleaseLeft(const CWnd& anyWindowOfDialog) {
    QWindow* top = TopWindowOf(anyWindowOfDialog);
    QTest::mouseRelease(top, Qt::LeftButton, Qt::NoModifier, top->mapFromGlobal(QCursor::pos()));
    ProcessPostedMessages();
}

void ClickAt(const CWnd& target) {
    MovePointer(ScreenCentre(target));
    PressLeft(target);
    ReleaseLeft(target);
}

COLORREF ShownAt(const CWnd& window, int x, int y) {
    const QRgb pixel = window.GetSafeHwnd()->grab().toImage().pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
