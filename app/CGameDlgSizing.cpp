// SPDX-License-Identifier: MIT
#include "app/CGameDlg.h"
#include "resources/ResourceIds.h"

#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <array>

#include "dialogs/RememberedSettings.h"
#include "platform/dialog/DialogUnits.h"
#include "platform/draw/Resources.h"

namespace {

// The factors Ctrl with "+" and "-" step through.
constexpr std::array<qreal, 6> kScaleSteps{1, 1.25, 1.5, 2, 2.5, 3};
// Factors closer than this are the same step.
constexpr qreal kSameScale = 0.01;

}  // namespace

void CGameDlg::resizeEvent(QResizeEvent* event) {
    CSkinDialog::resizeEvent(event);
    if (cursorScale != 0 && Scale() != cursorScale) {
        LoadPlayerCursors();
        ShowTurnCursor();
    }
}

void CGameDlg::LoadPlayerCursors() {
    cursorScale = Scale();
    playerCursor[0] = CursorResource(IDCUR_PLAYER1, cursorScale);
    playerCursor[1] = CursorResource(IDCUR_PLAYER2, cursorScale);
}

bool CGameDlg::ResizeByKey(const QKeyEvent& event) {
    if (event.key() == Qt::Key_F11 && event.modifiers() == Qt::NoModifier) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return true;
    }
    if (!event.modifiers().testFlag(Qt::ControlModifier)) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        StepScale(1);
        return true;
    case Qt::Key_Minus:
        StepScale(-1);
        return true;
    case Qt::Key_0:
        StepScale(0);
        return true;
    default:
        return false;
    }
}

void CGameDlg::StepScale(int direction) {
    const QScreen* shownOn = screen();
    // The frame's own size counts against the screen's room.
    const QSize room =
        shownOn != nullptr ? shownOn->availableGeometry().size() - (frameGeometry().size() - size()) : DesignSize();
    const auto sizeAt = [this](qreal scale) { return ScaledRect(QRect(QPoint(), DesignSize()), scale).size(); };
    qreal chosen = 1;
    if (direction > 0) {
        const auto larger = std::find_if(kScaleSteps.begin(), kScaleSteps.end(), [&](qreal step) {
            return step > Scale() + kSameScale && sizeAt(step).width() <= room.width() &&
                   sizeAt(step).height() <= room.height();
        });
        if (larger == kScaleSteps.end()) {
            return;
        }
        chosen = *larger;
    } else if (direction < 0) {
        const auto smaller = std::find_if(kScaleSteps.rbegin(), kScaleSteps.rend(),
                                          [&](qreal step) { return step < Scale() - kSameScale; });
        chosen = smaller != kScaleSteps.rend() ? *smaller : 1;
    }
    if (isFullScreen() || isMaximized()) {
        showNormal();
    }
    resize(sizeAt(chosen));
}

void CGameDlg::RestoreWindowSize() {
    const QScreen* shownOn = screen();
    const QRect available = shownOn != nullptr ? shownOn->availableGeometry() : QRect(QPoint(), DesignSize());
    const BoardSize kept = RestoreBoardSize(DesignSize(), available.size());
    resize(kept.size);
    // A larger window moves as far as it must to stay on the screen.
    const QPoint corner = pos();
    MoveWindow(
        QPoint(std::clamp(corner.x(), available.left(), std::max(available.left(), available.right() + 1 - width())),
               std::clamp(corner.y(), available.top(), std::max(available.top(), available.bottom() + 1 - height()))));
    if (kept.fullScreen) {
        setWindowState(windowState() | Qt::WindowFullScreen);
    }
}

void CGameDlg::RememberWindowSize() const {
    const QSize shown = isFullScreen() ? normalGeometry().size() : size();
    RememberBoardSize({shown.isEmpty() ? DesignSize() : shown, isFullScreen()});
}
