// SPDX-License-Identifier: MIT
#pragma once
// A template text with its own background and text colours instead of the dialog's.

#include "controls/TextLabel.h"

class CColorLabel : public TextLabel {
    Q_OBJECT

public:
    explicit CColorLabel(QWidget* parent = nullptr);

    // Each repaints the label at once when it is shown.
    void SetBackColor(const QColor& color);
    void SetForeColor(const QColor& color);

    QColor GetBackColor() const { return backColor; }
    QColor GetForeColor() const { return foreColor; }

protected:
    QColor TextColor() const override { return foreColor; }
    std::optional<QColor> BackgroundColor() const override { return backColor; }

private:
    QColor backColor;
    QColor foreColor;
};
