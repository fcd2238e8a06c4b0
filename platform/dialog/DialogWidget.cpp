// SPDX-License-Identifier: MIT
#include "platform/dialog/DialogWidget.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "platform/dialog/CButton.h"
#include "platform/dialog/TemplateTypes.h"
#include "platform/draw/HandleObjects.h"
#include "platform/window/MessageDispatch.h"
#include "platform/window/VirtualKeys.h"

namespace {

Qt::WindowFlags FlagsForStyle(DWORD style, bool owned) {
    Qt::WindowFlags flags = owned ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        flags |= Qt::WindowTitleHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if ((style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((style & WS_MINIMIZEBOX) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    return flags;
}

QString MenuText(const std::string& text) {
    return QString::fromStdString(text);  // "&" marks the mnemonic in both
}

}  // namespace

DialogWidget::DialogWidget(QWidget* owner, const DialogTemplate& dialogTemplate, HFONT font)
    : QDialog(owner, FlagsForStyle(dialogTemplate.style, owner != nullptr)), WindowHost(this), ownedFont_(font) {
    SetUpWidget();
    windowStyle = dialogTemplate.style;
    windowExStyle = dialogTemplate.exStyle;
    SetFontHandle(font);
    SetText(dialogTemplate.caption);
}

void DialogWidget::SetText(const std::string& text) {
    caption_ = text;
    // Given no title, the toolkit names the window after the program; a blank title keeps the
    // caption empty on the title bar.
    setWindowTitle(text.empty() ? QStringLiteral(" ") : QString::fromStdString(text));
}

DialogWidget::~DialogWidget() {
    if (ownedFont_ != nullptr) {
        DeleteObject(ownedFont_);
    }
}

bool DialogWidget::event(QEvent* event) {
    const bool handled = HandleEvent(event);
    if (event->type() == QEvent::Paint && afterFirstPaint) {
        QTimer::singleShot(0, this, std::exchange(afterFirstPaint, nullptr));
    }
    return handled;
}

void DialogWidget::reject() {
    CWnd* dialog = Attached();
    CWnd* cancel = dialog != nullptr ? dialog->GetDlgItem(IDCANCEL) : nullptr;
    DispatchMessage(*this, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(IDCANCEL), BN_CLICKED),
                    reinterpret_cast<LPARAM>(cancel != nullptr ? cancel->m_hWnd : nullptr));
}

void DialogWidget::closeEvent(QCloseEvent* event) {
    // The close box is the system menu's Close: the dialog decides through WM_SYSCOMMAND.
    event->ignore();
    DispatchMessage(*this, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DialogWidget::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape never reach here (HandleDialogKey); other keys are not the dialog's.
    event->ignore();
}

bool DialogWidget::HandleDialogKey(int qtKey) {
    CWnd* dialog = Attached();
    if (dialog == nullptr) {
        return true;
    }
    if (qtKey == Qt::Key_Escape) {
        reject();
        return true;
    }
    // Enter: a focused push button, else the default push button, else IDOK.
    int id = IDOK;
    CWnd* control = nullptr;
    auto isPushType = [](const WindowHost* host, DWORD type) {
        return host != nullptr && dynamic_cast<const QAbstractButton*>(host->Widget()) != nullptr &&
               (host->windowStyle & BS_TYPEMASK) == type;
    };
    if (WindowHost* focused = WindowHost::Of(focusWidget());
        focused != nullptr && focused != this &&
        (isPushType(focused, BS_PUSHBUTTON) || isPushType(focused, BS_DEFPUSHBUTTON))) {
        id = focused->controlId;
        control = focused->Attached();
    } else {
        for (QObject* child : children()) {
            WindowHost* host = child->isWidgetType() ? WindowHost::Of(static_cast<QWidget*>(child)) : nullptr;
            if (isPushType(host, BS_DEFPUSHBUTTON)) {
                id = host->controlId;
                control = host->Attached();
                break;
            }
        }
        if (control == nullptr) {
            control = dialog->GetDlgItem(id);
        }
    }
    if (control != nullptr && control->m_hWnd != nullptr && !control->m_hWnd->isEnabled()) {
        return true;
    }
    DispatchMessage(*this, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
                    reinterpret_cast<LPARAM>(control != nullptr ? control->m_hWnd : nullptr));
    return true;
}

QMenu* DialogWidget::BuildSystemMenuPopup(QWidget* parent) {
    auto* popup = new QMenu(parent);
    auto addCommand = [this, popup](const QString& text, UINT_PTR id) {
        QAction* action = popup->addAction(text);
        QObject::connect(action, &QAction::triggered, this, [this, id] {
            if (Attached() != nullptr) {
                DispatchMessage(*this, WM_SYSCOMMAND, id, 0);
            }
        });
    };
    if ((windowStyle & WS_MINIMIZEBOX) != 0) {
        addCommand(tr("Mi&nimize"), SC_MINIMIZE);
    }
    if ((windowStyle & WS_SYSMENU) != 0) {
        addCommand(tr("&Close"), SC_CLOSE);
    }
    if (systemMenu) {
        for (const MenuEntry& entry : systemMenu->Entries()) {
            if ((entry.flags & MF_SEPARATOR) != 0) {
                popup->addSeparator();
            } else {
                addCommand(MenuText(entry.text), entry.id);
            }
        }
    }
    return popup;
}

void DialogWidget::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* popup = BuildSystemMenuPopup(this);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    if (popup->isEmpty()) {
        delete popup;
        return;
    }
    popup->popup(event->globalPos());
}

namespace {

bool IsRadioButton(WindowHost* host) {
    return host != nullptr && (DispatchMessage(*host, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) != 0;
}

}  // namespace

LRESULT DialogWidget::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam, QEvent* event) {
    if (message == WM_KEYDOWN && IsArrowKey(static_cast<UINT>(wParam))) {
        MoveWithinGroup(wParam == VK_LEFT || wParam == VK_UP);
        return 0;
    }
    return WindowHost::DefaultProcessing(message, wParam, lParam, event);
}

void DialogWidget::MoveWithinGroup(bool previous) {
    CWnd* dialog = Attached();
    WindowHost* focused = WindowHost::Of(focusWidget());
    if (dialog == nullptr || focused == nullptr || focused == this || focused->Attached() == nullptr) {
        return;
    }
    // Labels in the group take no focus and are passed over.
    CWnd* start = focused->Attached();
    CWnd* next = dialog->GetNextDlgGroupItem(start, previous ? TRUE : FALSE);
    while (next != nullptr && next != start && next->m_hWnd != nullptr && next->m_hWnd->focusPolicy() == Qt::NoFocus) {
        next = dialog->GetNextDlgGroupItem(next, previous ? TRUE : FALSE);
    }
    if (next == nullptr || next == start || next->m_hWnd == nullptr) {
        return;
    }
    next->m_hWnd->setFocus(previous ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    if (WindowHost* host = WindowHost::Of(next->m_hWnd); IsRadioButton(host)) {
        DispatchMessage(*host, BM_CLICK, 0, 0);
    }
}

bool DialogWidget::focusNextPrevChild(bool next) {
    const bool moved = QDialog::focusNextPrevChild(next);
    // Tabbing into a group of radio buttons lands on the checked one.
    CWnd* dialog = Attached();
    WindowHost* focused = WindowHost::Of(focusWidget());
    if (!moved || dialog == nullptr || !IsRadioButton(focused) || focused->Attached() == nullptr) {
        return moved;
    }
    CWnd* start = focused->Attached();
    for (CWnd* member = start; member != nullptr;) {
        if (WindowHost* host = WindowHost::Of(member->m_hWnd);
            host != nullptr && DispatchMessage(*host, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            member->m_hWnd->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            break;
        }
        member = dialog->GetNextDlgGroupItem(member);
        if (member == start) {
            break;
        }
    }
    return moved;
}
