// SPDX-License-Identifier: MIT
#include "tests/support/ModalRun.h"

#include "tests/support/Input.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Only reached when a script forgot to end its dialog.
constexpr int kForgottenDialogMs = 5000;

}  // namespace

INT_PTR RunModal(CDialog& dialog, const std::function<void(CDialog&)>& script) {
    bool ran = false;
    CDialog::SetModalHook([&](CDialog& running) {
        // Dialogs the script opens run their own loops without it.
        if (&running != &dialog || ran) {
            return;
        }
        ran = true;
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

INT_PTR RunInModalLoop(CDialog& dialog, const std::function<void()>& body) {
    MovePointer(kPointerParking);
    return RunModal(dialog, [&body](CDialog& running) {
        body();
        running.EndDialog(IDCANCEL);
    });
}
