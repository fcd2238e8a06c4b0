// SPDX-License-Identifier: MIT
#include "platform/dialog/StaticWidget.h"

#include <QPainter>
#include <optional>

#include "platform/dialog/TemplateTypes.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/PainterDC.h"
#include "platform/draw/Resources.h"
#include "platform/window/ControlAccessibility.h"
#include "platform/window/MessageDispatch.h"

namespace {

constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;

}  // namespace

StaticWidget::StaticWidget(QWidget* parent, const DialogItemTemplate& item) : QWidget(parent), WindowHost(this) {
    SetUpWidget();
    InstallControlAccessibility();
    windowStyle = item.style;
    windowExStyle = item.exStyle;
    controlId = item.id;
    text_ = item.text;
    if ((windowStyle & SS_TYPEMASK) == SS_BITMAP) {
        if (HBITMAP bitmap = LoadBitmapResource(item.imageId)) {
            image_ = *bitmap->pixels;
            imageId_ = item.imageId;
            DeleteObject(bitmap);
        }
    }
    StyleChanged();
}

void StaticWidget::StyleChanged() {
    // Without SS_NOTIFY the control is transparent to the mouse: clicks reach the dialog.
    setAttribute(Qt::WA_TransparentForMouseEvents, (windowStyle & SS_NOTIFY) == 0);
    if ((windowStyle & SS_TYPEMASK) == SS_BITMAP && !image_.isNull()) {
        resize(image_.size());  // a picture static takes its picture's size
    }
    update();
}

void StaticWidget::SetText(const std::string& text) {
    text_ = text;
    update();
}

LRESULT StaticWidget::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) {
    const LRESULT result = WindowHost::DefaultProcessing(message, wParam, lParam, event);
    if (message == WM_LBUTTONDOWN && (windowStyle & SS_NOTIFY) != 0) {
        NotifyParent(*this, STN_CLICKED);
    }
    return result;
}

void StaticWidget::paintEvent(QPaintEvent*) {
    std::optional<QPainter> own;
    QPainter* painter = activePainter;
    if (painter == nullptr) {
        own.emplace(this);
        painter = &*own;
    }
    switch (windowStyle & SS_TYPEMASK) {
    case SS_ETCHEDFRAME: {
        PainterDC dc(painter);
        CRect frame(0, 0, width(), height());
        dc.DrawEdge(&frame, EDGE_ETCHED, BF_RECT);
        break;
    }
    case SS_BITMAP:
        if (TargetPixelRatio(*painter) > 1 && HighDensityBitmap(imageId_).size() == image_.size() * 2) {
            painter->drawImage(QRect(QPoint(0, 0), image_.size()), HighDensityBitmap(imageId_));
        } else {
            painter->drawImage(0, 0, image_);
        }
        break;
    default:
        PaintText(*painter);
        break;
    }
}

void StaticWidget::PaintText(QPainter& painter) {
    PainterDC dc(&painter);
    if (fontHandle != nullptr) {
        dc.SelectObject(static_cast<HGDIOBJ>(fontHandle));
    }
    // The reflected request first; what the control leaves goes to its parent.
    HBRUSH brush = Attached() != nullptr ? Attached()->CtlColor(&dc, CTLCOLOR_STATIC) : nullptr;
    if (brush == nullptr) {
        if (WindowHost* parent = WindowHost::Of(parentWidget())) {
            brush = reinterpret_cast<HBRUSH>(DispatchMessage(*parent, WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)),
                                                             reinterpret_cast<LPARAM>(static_cast<QWidget*>(this))));
        }
    }
    CRect client(0, 0, width(), height());
    if (brush != nullptr) {
        dc.FillRect(&client, brush);
    }
    UINT align = DT_LEFT;
    if ((windowStyle & SS_TYPEMASK) == SS_CENTER) {
        align = DT_CENTER;
    } else if ((windowStyle & SS_TYPEMASK) == SS_RIGHT) {
        align = DT_RIGHT;
    }
    const UINT format = (windowStyle & SS_CENTERIMAGE) != 0 ? align | DT_SINGLELINE | DT_VCENTER : align | DT_WORDBREAK;
    dc.DrawText(text_, &client, format);
}
