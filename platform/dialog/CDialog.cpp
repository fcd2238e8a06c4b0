// SPDX-License-Identifier: MIT
#include "platform/dialog/CDialog.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "platform/dialog/DataExchange.h"
#include "platform/dialog/DialogBuilder.h"
#include "platform/dialog/DialogUnits.h"
#include "platform/dialog/DialogWidget.h"
#include "platform/dialog/TemplateTypes.h"
#include "platform/shell/CWinApp.h"

namespace {

std::function<void(CDialog&)>& ModalHook() {
    static std::function<void(CDialog&)> hook;
    return hook;
}

// The owner: the parent's top-level window, else the application's main window.
QWidget* ResolveOwner(const CDialog& dialog, const CWnd* parent) {
    if (parent != nullptr && parent->m_hWnd != nullptr) {
        return parent->m_hWnd->window();
    }
    const CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != &dialog &&
        app->m_pMainWnd->m_hWnd != nullptr) {
        return app->m_pMainWnd->m_hWnd->window();
    }
    return nullptr;
}

// Longest wait for an owner that does not come on screen (minimised, on another desktop).
constexpr int kOwnerOnScreenWaitMs = 250;

// A dialog asked for while its owner is still on its way to the screen (the board asks for its first
// settings from its own set-up) lets the owner's first picture come first.
void LetOwnerPaintFirst(const QPointer<QWidget>& owner) {
    WindowHost* host = WindowHost::Of(owner);
    if (host == nullptr || !owner->isVisible() || host->PaintedSinceShown()) {
        return;
    }
    QEventLoop wait;
    QTimer::singleShot(kOwnerOnScreenWaitMs, &wait, &QEventLoop::quit);
    host->WhenFirstPainted([&wait] { wait.quit(); });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (WindowHost* stillThere = WindowHost::Of(owner)) {
        stillThere->WhenFirstPainted(nullptr);
    }
}

QWidget* FirstTabStop(QWidget* dialog) {
    for (QObject* child : dialog->children()) {
        if (!child->isWidgetType()) {
            continue;
        }
        auto* widget = static_cast<QWidget*>(child);
        WindowHost* host = WindowHost::Of(widget);
        if (host != nullptr && (host->windowStyle & WS_TABSTOP) != 0 && widget->isVisibleTo(dialog) &&
            widget->isEnabled()) {
            return widget;
        }
    }
    return nullptr;
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), templateId_(templateId) {}

void CDialog::SetModalHook(std::function<void(CDialog&)> hook) {
    ModalHook() = std::move(hook);
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId_);
    if (dialogTemplate == nullptr || m_hWnd != nullptr) {
        return -1;
    }
    QPointer<QWidget> owner = ResolveOwner(*this, m_pParentWnd);
    LetOwnerPaintFirst(owner);
    DialogWidget* window = DialogBuilder::Build(*this, *dialogTemplate, owner);

    // The template position is relative to the owner's client area (the screen's work area
    // for a window of its own).
    const int points = dialogTemplate->fontPointSize;
    QPoint origin;
    if (owner) {
        origin = owner->mapToGlobal(QPoint(0, 0));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        origin = screen->availableGeometry().topLeft();
    }
    window->move(origin + QPoint(DialogUnitsToPixelsX(dialogTemplate->x, points),
                                 DialogUnitsToPixelsY(dialogTemplate->y, points)));

    modalResult_ = -1;
    endRequested_ = false;
    QWidget* focus = FirstTabStop(window);
    if (SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), 0) != FALSE && m_hWnd != nullptr) {
        if (QWidget* first = FirstTabStop(window)) {
            first->setFocus(Qt::TabFocusReason);
        }
    }
    if (!endRequested_ && m_hWnd != nullptr) {
        WindowHost* ownerHost = WindowHost::Of(owner);
        if (ownerHost != nullptr) {
            ++ownerHost->modalDisableCount;
        }
        modalRunning_ = true;
        window->afterFirstPaint = [this] {
            if (modalRunning_ && !endRequested_ && ModalHook()) {
                ModalHook()(*this);
            }
        };
        window->setWindowModality(Qt::ApplicationModal);
        window->exec();
        modalRunning_ = false;
        if (owner && (ownerHost = WindowHost::Of(owner)) != nullptr) {
            --ownerHost->modalDisableCount;
        }
    }
    DestroyWindow();
    return modalResult_;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::EndDialog(int result) {
    modalResult_ = result;
    endRequested_ = true;
    if (modalRunning_) {
        if (auto* window = dynamic_cast<DialogWidget*>(m_hWnd)) {
            window->EndModalLoop(result);
        }
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_CLOSE: {
        CWnd* cancel = GetDlgItem(IDCANCEL);
        PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(IDCANCEL), BN_CLICKED),
                    reinterpret_cast<LPARAM>(cancel != nullptr ? cancel->m_hWnd : nullptr));
        return 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}
