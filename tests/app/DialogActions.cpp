// SPDX-License-Identifier: MIT
#include "tests/app/DialogActions.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <sstream>

void ClickControl(const CWnd& window, int controlId)
{
    CWnd* control = window.GetDlgItem(controlId);
    ASSERT_NE(control, nullptr) << "no control " << controlId;
    QWidget* widget = control->GetSafeHwnd();
    QTest::mouseMove(widget, widget->rect().center());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void ClickWindow(const CWnd& window)
{
    QWidget* widget = window.GetSafeHwnd();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
}

void TypeInto(const CWnd& window, int controlId, const std::string& text)
{
    CWnd* control = window.GetDlgItem(controlId);
    ASSERT_NE(control, nullptr) << "no control " << controlId;
    control->SetWindowText(text);
}

void PressKey(const CWnd& window, Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || !window.GetSafeHwnd()->isAncestorOf(target)) {
        target = window.GetSafeHwnd();
    }
    QTest::keyClick(target, key);
}

void ProcessPostedMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

int SumOfQuestion(const std::string& question)
{
    std::istringstream in(question);
    int a = 0;
    int b = 0;
    int c = 0;
    char plus1 = 0;
    char plus2 = 0;
    in >> a >> plus1 >> b >> plus2 >> c;
    return a + b + c;
}
