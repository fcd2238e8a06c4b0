// SPDX-License-Identifier: MIT
#include "app/ScoreList.h"

#include <QPainter>

#include "platform/access/AccessibleText.h"

ScoreList::ScoreList(QWidget* parent) : QListWidget(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // The lines are read, not chosen: a selection would also make a screen reader speak the list
    // whenever a line is added while the player is on the board.
    setSelectionMode(QAbstractItemView::NoSelection);
}

void ScoreList::Show(const QString& name, const QStringList& lines) {
    SetAccessibleName(this, name);
    QStringList shown;
    for (int row = 0; row < count(); ++row) {
        shown.append(item(row)->text());
    }
    if (shown != lines) {
        clear();
        addItems(lines);
        setCurrentRow(lines.isEmpty() ? -1 : 0);
    }
}

void ScoreList::paintEvent(QPaintEvent*) {
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        return;
    }
    // A dark ring inside a light one, as on the buttons: one of the two stands out.
    QPainter painter(viewport());
    painter.setPen(Qt::white);
    painter.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
}
