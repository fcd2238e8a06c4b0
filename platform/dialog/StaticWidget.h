// SPDX-License-Identifier: MIT
#pragma once
// The widget of a template static control: text painted with the reflected colour request, a
// bitmap resource, or an etched frame; see CStatic.h.

#include <QImage>
#include <QWidget>

#include "platform/window/WindowHost.h"

struct DialogItemTemplate;

class StaticWidget final : public QWidget, public WindowHost {
public:
    StaticWidget(QWidget* parent, const DialogItemTemplate& item);

    bool BaseEvent(QEvent* event) override { return QWidget::event(event); }
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) override;
    void StyleChanged() override;
    std::string Text() const override { return text_; }
    void SetText(const std::string& text) override;

protected:
    bool event(QEvent* event) override { return HandleEvent(event); }
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintText(QPainter& painter);

    std::string text_;
    QImage image_;
    UINT imageId_ = 0;
};
