// SPDX-License-Identifier: MIT
#pragma once
// A template text as the game's design lays it out: left-aligned, broken at words, in the colours
// its class gives. Clicks reach the dialog beneath, so that it can be dragged by its labels too.

#include <QLabel>
#include <optional>

class TextLabel : public QLabel {
    Q_OBJECT

public:
    explicit TextLabel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    // No background of its own unless the class gives one.
    virtual QColor TextColor() const { return Qt::black; }
    virtual std::optional<QColor> BackgroundColor() const { return std::nullopt; }
};
