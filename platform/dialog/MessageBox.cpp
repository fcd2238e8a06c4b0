// SPDX-License-Identifier: MIT
#include "platform/dialog/MessageBox.h"

#include <QMessageBox>
#include <QWidget>

namespace {

int ShowQtMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    const QMessageBox::Icon icon =
        (type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    owner != nullptr ? owner->window() : nullptr);
    box.exec();
    return IDOK;
}

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter = ShowQtMessageBox;
    return presenter;
}

}  // namespace

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return Presenter()(owner, text != nullptr ? text : "", caption != nullptr ? caption : "Error", type);
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    MessageBoxPresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : MessageBoxPresenter(ShowQtMessageBox);
    return previous;
}
