// SPDX-License-Identifier: MIT
#pragma once
// The widget of a dialog built from a template: the frame its style asks for, Enter / Escape /
// close box as the dialog manager handles them, the system menu as a context menu.

#include <QDialog>
#include <functional>
#include <string>

#include "platform/window/WindowHost.h"

struct DialogTemplate;

class DialogWidget final : public QDialog, public WindowHost {
public:
    // `owner`: the window the dialog stays over (null: a top-level window of its own).
    DialogWidget(QWidget* owner, const DialogTemplate& dialogTemplate, HFONT font);
    ~DialogWidget() override;

    // Ends the modal loop with `result`.
    void EndModalLoop(int result) { QDialog::done(result); }
    bool BaseEvent(QEvent* event) override { return QDialog::event(event); }
    std::string Text() const override { return caption_; }
    void SetText(const std::string& text) override;
    // The system menu's entries (and Minimize / Close where the style has them) as a context menu;
    // choosing an entry sends WM_SYSCOMMAND with its id.
    QMenu* BuildSystemMenuPopup(QWidget* parent);

    // Esc and a close request made by Qt itself go through WM_COMMAND IDCANCEL.
    void reject() override;

    // Queued once the window has painted for the first time (it is then on screen).
    std::function<void()> afterFirstPaint;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool ErasesBackground() const override { return true; }
    bool HandleDialogKey(int qtKey) override;
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The arrow keys move the focus within the focused control's group; a radio button that
    // receives it is clicked, so it is checked as well.
    void MoveWithinGroup(bool previous);

    HFONT ownedFont_;
    std::string caption_;
};
