// SPDX-License-Identifier: MIT
#pragma once
// The widget of a template button. Check state, pushed look, owner draw and the click
// notification follow the button's style; see CButton.h.

#include <QPushButton>

#include "platform/window/WindowHost.h"

struct DialogItemTemplate;

class ButtonWidget final : public QPushButton, public WindowHost {
public:
    ButtonWidget(QWidget* parent, const DialogItemTemplate& item);

    bool BaseEvent(QEvent* event) override { return QPushButton::event(event); }
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) override;
    void StyleChanged() override { update(); }
    std::string Text() const override { return text().toStdString(); }
    void SetText(const std::string& text) override;

    UINT Type() const { return windowStyle & BS_TYPEMASK; }
    // Check boxes and radio buttons keep a check state; owner-drawn buttons keep none.
    bool KeepsCheck() const;
    UINT check = BST_UNCHECKED;

protected:
    bool event(QEvent* event) override { return HandleEvent(event); }
    bool StyleDrawn() const override { return Type() != BS_OWNERDRAW; }
    void paintEvent(QPaintEvent* event) override;

private:
    void OnClicked();
    void DrawOwnerDrawn(QPainter& painter);
    void DrawStandard(QPainter& painter);
};
