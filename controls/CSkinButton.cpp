// SPDX-License-Identifier: MIT
#include "controls/CSkinButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "controls/SystemColors.h"
#include "controls/TextDrawing.h"
#include "platform/dialog/CDialog.h"
#include "platform/dialog/DialogUnits.h"

namespace {

constexpr QRgb kSeeThrough = qRgb(255, 255, 255);
constexpr TextFlags kCaptionFormat = TextFlag::Centre | TextFlag::VerticalCentre | TextFlag::SingleLine;
constexpr int kCaptionWeight = 500;

// A caption's letters grow with the window, like the picture under them.
CaptionStyle ScaledStyle(const CaptionStyle& style, qreal scale) {
    return {ScaledLength(style.pixelSize, scale), style.ink, style.shadow};
}

BitmapDrawMode ClampDrawMode(short mode) {
    return static_cast<BitmapDrawMode>(std::clamp<short>(mode, 0, 2));
}

// Paints `picture`, or the button face colour where there is none.
void DrawStateBitmap(QPainter& painter, const Picture& picture, const QRect& rect, BitmapDrawMode mode,
                     const Picture& mask, qreal scale) {
    if (picture.IsNull()) {
        painter.fillRect(rect, kButtonFace);
    } else {
        DrawBitmap(painter, picture, rect, mode, mask, scale);
    }
}

// Two-pixel three-dimensional edge, light from the top left; the bottom and right lines run the
// full length and so own the far corners.
void DrawEdge(QPainter& painter, QRect area, bool raised) {
    const std::pair<QColor, QColor> outer =
        raised ? std::pair(kButtonFace, kDarkShadow) : std::pair(kButtonShadow, kButtonHighlight);
    const std::pair<QColor, QColor> inner =
        raised ? std::pair(kButtonHighlight, kButtonShadow) : std::pair(kDarkShadow, kButtonFace);
    for (const auto& [topLeft, bottomRight] : {outer, inner}) {
        if (area.isEmpty()) {
            return;
        }
        painter.fillRect(QRect(area.left(), area.top(), area.width() - 1, 1), topLeft);
        painter.fillRect(QRect(area.left(), area.top(), 1, area.height() - 1), topLeft);
        painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), bottomRight);
        painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), bottomRight);
        area.adjust(1, 1, -1, -1);
    }
}

// The dotted rectangle, every other pixel inverted.
void DrawFocusRect(QPainter& painter, const QRect& rect) {
    if (rect.isEmpty()) {
        return;
    }
    QPolygon dots;
    const auto addDot = [&](int x, int y) {
        if ((x - rect.left() + y - rect.top()) % 2 == 0) {
            dots << QPoint(x, y);
        }
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        addDot(x, rect.top());
        if (rect.bottom() > rect.top()) {
            addDot(x, rect.bottom());
        }
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        addDot(rect.left(), y);
        if (rect.right() > rect.left()) {
            addDot(rect.right(), y);
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 0));
    painter.drawPoints(dots);
    painter.restore();
}

}  // namespace

CSkinButton::CSkinButton(QWidget* parent) : QAbstractButton(parent), textColor(kButtonText) {
    InstallSkinButtonAccessibility();
    // The first move over the button shows its hover picture.
    setMouseTracking(true);
}

void CSkinButton::PreSubclassWindow(const DialogItemTemplate& item) {
    const TemplateStyle type = item.style & 0xFF;
    if ((type & 3) == 3) {
        kind = CheckKind;
    } else if ((type & 9) == 9) {
        kind = RadioKind;
    } else {
        kind = PushKind;
    }
    setCheckable(kind != PushKind);
}

void CSkinButton::SetSkin(unsigned normalId, unsigned pressedId, unsigned hoverId, unsigned disabledId,
                          unsigned focusId, unsigned maskId, short newDrawMode, short newEdge, short newFocusInset,
                          std::string newCaption, const QRect& newCaptionRect, int newFontHeight) {
    caption = std::move(newCaption);
    captionRect = newCaptionRect;
    fontHeight = newFontHeight;

    normalBitmap = Picture(normalId);
    pressedBitmap = Picture(pressedId);
    hoverBitmap = Picture(hoverId);
    focusBitmap = Picture(focusId);
    disabledBitmap = Picture(disabledId != 0 ? disabledId : normalId);
    maskBitmap = Picture(maskId);

    drawMode = ClampDrawMode(newDrawMode);
    edge = newEdge != 0;
    focusInset = std::max<short>(newFocusInset, 0);

    regionScale = 0;
    if (maskId == 0) {
        return;
    }
    FollowMask();
    const QRect sized = PlacedRect(geometry(), CDialog::ScaleOf(this));
    if (sized.size() != size()) {
        resize(sized.size());
    }
}

QRect CSkinButton::PlacedRect(const QRect& placed, qreal scale) const {
    // A mask that failed to load has no size; shrinking the button to nothing would lose it.
    if (drawMode != BitmapDrawMode::Copy || maskBitmap.IsNull()) {
        return placed;
    }
    return {placed.topLeft(), ScaledRect(QRect(QPoint(), maskBitmap.Size()), scale).size()};
}

void CSkinButton::FollowMask() {
    const qreal scale = CDialog::ScaleOf(this);
    if (maskBitmap.IsNull() || scale == regionScale) {
        return;
    }
    regionScale = scale;
    if (const std::optional<QRegion> region = CreateRegionFromBitmap(maskBitmap, kSeeThrough, scale)) {
        windowRegion = *region;
        setMask(windowRegion);
    }
}

void CSkinButton::resizeEvent(QResizeEvent* event) {
    // The window's factor changes its buttons' sizes first.
    FollowMask();
    QAbstractButton::resizeEvent(event);
}

void CSkinButton::ShowAsLabel() {
    label = true;
    setFocusPolicy(Qt::NoFocus);
}

void CSkinButton::SetCheck(bool check) {
    setChecked(check && kind != PushKind);
    if (kind == RadioKind && isChecked()) {
        UncheckRestOfGroup();
    }
    update();
}

void CSkinButton::Uncheck() {
    if (isChecked()) {
        setChecked(false);
        update();
    }
}

void CSkinButton::UncheckRestOfGroup() {
    auto* dialog = qobject_cast<CDialog*>(parentWidget());
    if (dialog == nullptr) {
        return;
    }
    // In group order, starting after this button.
    std::vector<QWidget*> group = dialog->GroupOf(this);
    const auto self = std::find(group.begin(), group.end(), this);
    if (self == group.end()) {
        return;
    }
    std::rotate(group.begin(), self + 1, group.end());
    group.pop_back();
    for (QWidget* member : group) {
        if (auto* button = qobject_cast<CSkinButton*>(member)) {
            QMetaObject::invokeMethod(button, &CSkinButton::Uncheck, Qt::QueuedConnection);
        }
    }
}

void CSkinButton::nextCheckState() {
    SetCheck(kind == CheckKind ? !isChecked() : true);
}

bool CSkinButton::CaptionIsWhole() const {
    return !captionStyle || CaptionFits(QString::fromStdString(caption), captionRect, *captionStyle);
}

void CSkinButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawItem(painter);
}

void CSkinButton::DrawItem(QPainter& painter) const {
    const QRect area = rect();
    const qreal scale = CDialog::ScaleOf(this);
    const QRect shownCaption = ScaledRect(captionRect, scale);
    const QFont& captionFont = FontByHeight(QStringLiteral("Arial"), fontHeight, kCaptionWeight, scale);
    if (!isEnabled()) {
        DrawStateBitmap(painter, disabledBitmap, area, drawMode, maskBitmap, scale);
        if (edge) {
            DrawEdge(painter, area, true);
        }
        if (captionStyle) {
            DrawCaption(painter, QString::fromStdString(caption), shownCaption,
                        ScaledStyle({captionStyle->pixelSize, kGrayText, kButtonHighlight}, scale));
            return;
        }
        // Embossed: a light copy, then the grey text one pixel up and left of it.
        const QString text = QString::fromStdString(caption);
        DrawTextInRect(painter, text, shownCaption, kCaptionFormat, captionFont, kButtonHighlight);
        DrawTextInRect(painter, text, shownCaption.translated(-1, -1), kCaptionFormat, captionFont, kGrayText);
        return;
    }
    if (isDown() || isChecked()) {
        DrawStateBitmap(painter, pressedBitmap, area, drawMode, maskBitmap, scale);
        if (edge) {
            DrawEdge(painter, area, false);
        }
    } else {
        // Without a normal bitmap the face colour shows, whatever else is set.
        const Picture* look = &normalBitmap;
        if (!normalBitmap.IsNull()) {
            if (hovering && !hoverBitmap.IsNull()) {
                look = &hoverBitmap;
            } else if (hasFocus() && !focusBitmap.IsNull()) {
                look = &focusBitmap;
            }
        }
        DrawStateBitmap(painter, *look, area, drawMode, maskBitmap, scale);
        if (edge) {
            DrawEdge(painter, area, true);
        }
    }
    if (const int inset = ScaledLength(focusInset, scale); hasFocus() && inset > 0) {
        DrawFocusRect(painter, area.adjusted(inset, inset, -inset, -inset));
    } else if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        DrawKeyboardFocusCue(painter, area);
    }
    if (captionStyle) {
        DrawCaption(painter, QString::fromStdString(caption), shownCaption, ScaledStyle(*captionStyle, scale));
    } else {
        DrawTextInRect(painter, QString::fromStdString(caption), shownCaption, kCaptionFormat, captionFont, textColor);
    }
}

void CSkinButton::DrawKeyboardFocusCue(QPainter& painter, const QRect& rect) {
    // A dark ring inside a light one: one of the two stands out on any picture.
    QRect ring = rect.adjusted(2, 2, -2, -2);
    for (const QColor& colour : {QColor(Qt::white), QColor(Qt::black), QColor(Qt::black), QColor(Qt::white)}) {
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), colour);
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), colour);
        painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), colour);
        painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), colour);
        ring.adjust(1, 1, -1, -1);
    }
}

bool CSkinButton::hitButton(const QPoint& position) const {
    return windowRegion.isEmpty() ? rect().contains(position) : windowRegion.contains(position);
}

void CSkinButton::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton && !hovering) {
        hovering = true;
        update();
    }
    QAbstractButton::mouseMoveEvent(event);
}

void CSkinButton::mousePressEvent(QMouseEvent* event) {
    if (hovering) {
        hovering = false;
        update();
    }
    QAbstractButton::mousePressEvent(event);
}

void CSkinButton::leaveEvent(QEvent* event) {
    hovering = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CSkinButton::keyPressEvent(QKeyEvent* event) {
    // The arrow keys belong to the window: they move within a group, or across the board.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        event->ignore();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
