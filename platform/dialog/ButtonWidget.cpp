// SPDX-License-Identifier: MIT
#include "platform/dialog/ButtonWidget.h"

#include "platform/window/ControlAccessibility.h"
#include "platform/window/VirtualKeys.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <optional>

#include "platform/dialog/CButton.h"
#include "platform/dialog/TemplateTypes.h"
#include "platform/draw/PainterDC.h"
#include "platform/window/MessageDispatch.h"
#include "platform/window/MouseCapture.h"

ButtonWidget::ButtonWidget(QWidget* parent, const DialogItemTemplate& item) : QPushButton(parent), WindowHost(this) {
    SetUpWidget();
    InstallControlAccessibility();
    windowStyle = item.style;
    windowExStyle = item.exStyle;
    controlId = item.id;
    setAutoDefault(false);
    SetText(item.text);
    connect(this, &QAbstractButton::clicked, this, [this] { OnClicked(); });
}

void ButtonWidget::SetText(const std::string& text) {
    setText(QString::fromStdString(text));
    update();
}

bool ButtonWidget::KeepsCheck() const {
    const UINT type = Type();
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

LRESULT ButtonWidget::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) {
    switch (message) {
    case BM_GETCHECK:
        return static_cast<LRESULT>(KeepsCheck() ? check : BST_UNCHECKED);
    case BM_SETCHECK:
        if (KeepsCheck()) {
            check = static_cast<UINT>(wParam);
            update();
        }
        return 0;
    case BM_GETSTATE:
        return static_cast<LRESULT>((KeepsCheck() ? check : 0U) | (isDown() ? BST_PUSHED : 0U) |
                                    (hasFocus() ? BST_FOCUS : 0U));
    case BM_SETSTATE:
        setDown(wParam != 0);
        return 0;
    case BM_CLICK:
        click();
        return 0;
    case WM_GETDLGCODE:
        return Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON ? DLGC_RADIOBUTTON | DLGC_BUTTON : DLGC_BUTTON;
    case WM_KEYDOWN:
        // The arrow keys are the dialog manager's: they move within the button's group.
        if (IsArrowKey(static_cast<UINT>(wParam)) && event != nullptr) {
            event->ignore();
            return 1;
        }
        return WindowHost::DefaultProcessing(message, wParam, lParam, event);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // A pressed button holds the mouse until the release, like the platform's buttons.
        const LRESULT result = WindowHost::DefaultProcessing(message, wParam, lParam, event);
        if (isDown()) {
            SetMouseCapture(this);
        }
        return result;
    }
    case WM_LBUTTONUP:
        if (MouseCapture() == this) {
            ReleaseMouseCapture();
        }
        return WindowHost::DefaultProcessing(message, wParam, lParam, event);
    default:
        return WindowHost::DefaultProcessing(message, wParam, lParam, event);
    }
}

void ButtonWidget::OnClicked() {
    if (Type() == BS_AUTOCHECKBOX) {
        check = check == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED;
        update();
    } else if (Type() == BS_AUTORADIOBUTTON) {
        check = BST_CHECKED;
        update();
        CWnd* self = Attached();
        CWnd* parent = CWnd::FromHandle(parentWidget());
        if (self != nullptr && parent != nullptr) {
            for (CWnd* other = parent->GetNextDlgGroupItem(self); other != nullptr && other != self;
                 other = parent->GetNextDlgGroupItem(other)) {
                auto* radio = dynamic_cast<ButtonWidget*>(other->m_hWnd);
                if (radio != nullptr && radio->Type() == BS_AUTORADIOBUTTON && radio->check != BST_UNCHECKED) {
                    radio->check = BST_UNCHECKED;
                    radio->update();
                }
            }
        }
    }
    NotifyParent(*this, BN_CLICKED);
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    std::optional<QPainter> own;
    QPainter* painter = activePainter;
    if (painter == nullptr) {
        own.emplace(this);
        painter = &*own;
    }
    if (Type() == BS_OWNERDRAW) {
        DrawOwnerDrawn(*painter);
    } else {
        DrawStandard(*painter);
    }
}

void ButtonWidget::DrawOwnerDrawn(QPainter& painter) {
    auto* button = dynamic_cast<CButton*>(Attached());
    if (button == nullptr) {
        return;
    }
    PainterDC dc(&painter);
    DRAWITEMSTRUCT drawItem;
    drawItem.CtlID = static_cast<UINT>(controlId);
    const WindowHost* window = WindowHost::Of(this->window());
    drawItem.itemState = (isDown() ? ODS_SELECTED : 0U) | (hasFocus() ? ODS_FOCUS : 0U) |
                         (isEnabled() ? 0U : ODS_DISABLED) |
                         (window != nullptr && window->keyboardCues ? 0U : ODS_NOFOCUSRECT);
    drawItem.hwndItem = this;
    drawItem.hDC = &dc;
    drawItem.rcItem = CRect(0, 0, width(), height());
    button->DrawItem(&drawItem);
}

void ButtonWidget::DrawStandard(QPainter& painter) {
    QStyleOptionButton option;
    initStyleOption(&option);
    if ((windowStyle & BS_BITMAP) != 0) {
        option.text.clear();
    }
    const UINT type = Type();
    const bool pushLike = (windowStyle & BS_PUSHLIKE) != 0;
    const bool checked = KeepsCheck() && check != BST_UNCHECKED;
    if (KeepsCheck() && !pushLike) {
        option.state |= checked ? QStyle::State_On : QStyle::State_Off;
        const bool radio = type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        QWidget::style()->drawControl(radio ? QStyle::CE_RadioButton : QStyle::CE_CheckBox, &option, &painter, this);
        return;
    }
    if (checked) {
        option.state |= QStyle::State_On | QStyle::State_Sunken;
    }
    QWidget::style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
}
