// SPDX-License-Identifier: MIT
#include "controls/MessageBox.h"

#include <QMessageBox>
#include <QWidget>

namespace {

void ShowQtMessageBox(QWidget* owner, const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok, owner != nullptr ? owner->window() : nullptr);
    box.exec();
}

MessageBoxPresenter& Presenter() {
    static MessageBoxPresenter presenter = ShowQtMessageBox;
    return presenter;
}

}  // namespace

void ShowWarning(QWidget* owner, const std::string& text, const std::string& caption) {
    Presenter()(owner, text, caption);
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    MessageBoxPresenter previous = std::move(Presenter());
    Presenter() = presenter ? std::move(presenter) : MessageBoxPresenter(ShowQtMessageBox);
    return previous;
}
