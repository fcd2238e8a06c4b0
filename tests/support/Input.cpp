// SPDX-License-Identifier: MIT
#include "tests/support/Input.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

QPoint InWindow(QWidget* widget, QPoint point) {
    return widget->mapTo(widget->window(), point);
}

}  // namespace

void ClickControl(const CDialog& dialog, int controlId) {
    QWidget* widget = dialog.GetDlgItem(controlId);
    ASSERT_NE(widget, nullptr) << "no control " << controlId;
    QTest::mouseMove(widget, widget->rect().center());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void TypeInto(const CDialog& dialog, int controlId, const std::string& text) {
    auto* edit = qobject_cast<QLineEdit*>(dialog.GetDlgItem(controlId));
    ASSERT_NE(edit, nullptr) << "no edit box " << controlId;
    edit->setText(QString::fromStdString(text));
}

void TypeKeys(const CDialog& dialog, int controlId, const std::string& keys) {
    QWidget* widget = dialog.GetDlgItem(controlId);
    ASSERT_NE(widget, nullptr) << "no control " << controlId;
    QTest::keyClicks(widget, QString::fromStdString(keys));
}

void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = window.focusWidget();
    QTest::keyClick(target != nullptr ? target : &window, key, modifiers);
}

void ProcessPostedMessages() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
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

void MovePointer(QPoint screen) {
    QCursor::setPos(screen);
    ProcessPostedMessages();
}

QColor ShownAt(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}
