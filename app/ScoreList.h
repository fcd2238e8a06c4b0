// SPDX-License-Identifier: MIT
#pragma once
// A player's scored lines for screen readers and the keyboard: a list that Tab reaches and the
// arrow keys walk line by line, over the board's own drawing of the lines, which it leaves to show
// (it paints nothing but the keyboard's focus ring).

#include <QListWidget>

class ScoreList : public QListWidget {
    Q_OBJECT

public:
    explicit ScoreList(QWidget* parent = nullptr);

    // The list's name ("Lines scored by Ann") and its lines ("3 + 4 + 5 = 12").
    void Show(const QString& name, const QStringList& lines);

protected:
    void paintEvent(QPaintEvent* event) override;
};
