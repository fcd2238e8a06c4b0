// SPDX-License-Identifier: MIT
#include "tests/dialogs/DialogTestSupport.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "controls/GameSound.h"

namespace {

// Only reached when a script forgot to end its dialog.
constexpr int kForgottenDialogMs = 5000;

QWidget* ControlWidget(const CWnd& dialog, int controlId)
{
    CWnd* control = dialog.GetDlgItem(controlId);
    return control != nullptr ? control->GetSafeHwnd() : nullptr;
}

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& script)
{
    CDialog::SetModalHook([&script](CDialog& running) {
        script(running);
        QPointer<QWidget> window = running.GetSafeHwnd();
        QTimer::singleShot(kForgottenDialogMs, window, [&running] {
            ADD_FAILURE() << "the script left dialog " << running.GetTemplateId() << " open";
            running.EndDialog(IDCANCEL);
        });
    });
    const INT_PTR result = dialog.DoModal();
    CDialog::SetModalHook({});
    return result;
}

void ClickControl(const CWnd& dialog, int controlId)
{
    QWidget* widget = ControlWidget(dialog, controlId);
    ASSERT_NE(widget, nullptr) << "no control " << controlId;
    QTest::mouseMove(widget, widget->rect().center());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void PressKey(const CWnd& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // The control that has the focus within the dialog, whether or not the dialog is the active
    // window (offscreen windows are not always activated).
    QWidget* target = dialog.GetSafeHwnd()->focusWidget();
    if (target == nullptr) {
        target = dialog.GetSafeHwnd();
    }
    QTest::keyClick(target, key, modifiers);
}

void TypeKeys(const CWnd& dialog, int controlId, const std::string& keys)
{
    QWidget* widget = ControlWidget(dialog, controlId);
    ASSERT_NE(widget, nullptr) << "no control " << controlId;
    QTest::keyClicks(widget, QString::fromStdString(keys));
}

void ProcessPostedMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::string ControlText(const CWnd& dialog, int controlId)
{
    std::string text;
    dialog.GetDlgItemText(controlId, text);
    return text;
}

DialogTest::DialogTest() : soundScope_(sounds_)
{
    soundEnabled = 1;
}

DialogTest::~DialogTest()
{
    soundEnabled = 1;
}
