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

int RunModal(CDialog& dialog, const std::function<void(CDialog&)>& script) {
    bool ran = false;
    CDialog::SetModalHook([&](CDialog& running) {
        // Dialogs the script opens run their own loops without it.
        if (&running != &dialog || ran) {
            return;
        }
        ran = true;
        script(running);
        QTimer::singleShot(kForgottenDialogMs, &running, [&running] {
            ADD_FAILURE() << "the script left dialog " << running.GetTemplateId() << " open";
            running.EndDialog(IDCANCEL);
        });
    });
    const int result = dialog.DoModal();
    CDialog::SetModalHook({});
    return result;
}

int RunInModalLoop(CDialog& dialog, const std::function<void()>& body) {
    MovePointer(kPointerParking);
    return RunModal(dialog, [&body](CDialog& running) {
        body();
        running.EndDialog(IDCANCEL);
    });
}
