// SPDX-License-Identifier: MIT
#include "platform/window/CWnd.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/dialog/DlgItemInt.h"
#include "platform/dialog/MessageBox.h"
#include "platform/draw/CFont.h"
#include "platform/draw/CRgn.h"
#include "platform/draw/HandleObjects.h"
#include "platform/shell/CWinApp.h"
#include "platform/window/MessageDispatch.h"
#include "platform/window/MouseCapture.h"
#include "platform/window/WindowFrame.h"
#include "platform/window/WindowHost.h"

namespace {

// The platform's shortest timer interval.
constexpr UINT kMinimumTimerMs = 10;

WindowHost* HostOf(const CWnd* wnd) {
    return wnd != nullptr ? WindowHost::Of(wnd->m_hWnd) : nullptr;
}

// The layer's child windows of `parent`, in creation (template) order.
std::vector<WindowHost*> ChildHosts(QWidget* parent) {
    std::vector<WindowHost*> hosts;
    for (QObject* child : parent->children()) {
        if (child->isWidgetType()) {
            if (WindowHost* host = WindowHost::Of(static_cast<QWidget*>(child));
                host != nullptr && !host->isDestroyed) {
                hosts.push_back(host);
            }
        }
    }
    std::sort(hosts.begin(), hosts.end(),
              [](const WindowHost* a, const WindowHost* b) { return a->creationOrder < b->creationOrder; });
    return hosts;
}

CWnd* NearestLayerWindow(QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (WindowHost* host = WindowHost::Of(widget)) {
            return host->Attached();
        }
    }
    return nullptr;
}

QRect ToQRect(const CRect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

CRect ToCRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    WindowHost* host = HostOf(this);
    if (host != nullptr && host->Attached() == this) {
        if (host->HasPlainWnd()) {
            host->ForgetAttached(this);
        } else {
            DestroyWindowTree(m_hWnd);
        }
    }
    m_hWnd = nullptr;
}

CWnd* CWnd::FromHandle(HWND window) {
    WindowHost* host = WindowHost::Of(window);
    return host != nullptr ? host->Attached() : nullptr;
}

BOOL CWnd::SubclassWindow(HWND window) {
    WindowHost* host = WindowHost::Of(window);
    if (host == nullptr || m_hWnd != nullptr || host->isDestroyed ||
        (host->Attached() != nullptr && !host->IsPlainWnd(host->Attached()))) {
        return FALSE;
    }
    host->Attach(this);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    CWnd* item = parent != nullptr ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return item != nullptr ? SubclassWindow(item->m_hWnd) : FALSE;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    DestroyWindowTree(m_hWnd);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && OnCommand(wParam, lParam)) {
        return 0;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return 0;
    }
    QEvent* event = nullptr;
    if (DispatchFrame* frame = CurrentDispatch(); frame != nullptr && frame->host == host &&
                                                  frame->message == message && frame->event != nullptr &&
                                                  !frame->defaultRan) {
        frame->defaultRan = true;
        event = frame->event;
    }
    return host->DefaultProcessing(message, wParam, lParam, event);
}

LRESULT CWnd::Default() {
    DispatchFrame* frame = CurrentDispatch();
    if (frame == nullptr || frame->host != HostOf(this)) {
        return 0;
    }
    return DefWindowProc(frame->message, frame->wParam, frame->lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == LOWORD(ID_HELP) && AfxGetApp() != nullptr) {
        AfxGetApp()->OnHelp();
        return TRUE;
    }
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return FALSE;
}

HBRUSH CWnd::CtlColor(CDC*, UINT) {
    return nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowHost* host = HostOf(this);
    return host != nullptr ? DispatchMessage(*host, message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return FALSE;
    }
    PostWindowMessage(*host, message, wParam, lParam);
    return TRUE;
}

int CWnd::GetDlgCtrlID() const {
    WindowHost* host = HostOf(this);
    return host != nullptr ? host->controlId : 0;
}

CWnd* CWnd::GetDlgItem(int id) const {
    if (m_hWnd == nullptr) {
        return nullptr;
    }
    for (WindowHost* host : ChildHosts(m_hWnd)) {
        if (host->controlId == id) {
            return host->Attached();
        }
    }
    return nullptr;
}

CWnd* CWnd::GetParent() const {
    return m_hWnd != nullptr ? FromHandle(m_hWnd->parentWidget()) : nullptr;
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* control, BOOL previous) const {
    if (m_hWnd == nullptr || control == nullptr || control->m_hWnd == nullptr) {
        return nullptr;
    }
    const std::vector<WindowHost*> items = ChildHosts(m_hWnd);
    const auto found = std::find_if(items.begin(), items.end(),
                                    [control](const WindowHost* host) { return host->Widget() == control->m_hWnd; });
    if (found == items.end()) {
        return nullptr;
    }
    const auto index = static_cast<std::size_t>(found - items.begin());
    std::size_t start = index;
    while (start > 0 && (items[start]->windowStyle & WS_GROUP) == 0) {
        --start;
    }
    std::size_t end = index + 1;
    while (end < items.size() && (items[end]->windowStyle & WS_GROUP) == 0) {
        ++end;
    }
    const std::size_t size = end - start;
    const std::size_t offset = index - start;
    for (std::size_t step = 1; step < size; ++step) {
        const std::size_t k = previous ? (offset + size - step) % size : (offset + step) % size;
        const WindowHost* candidate = items[start + k];
        const QWidget* widget = candidate->Widget();
        if (widget->isVisibleTo(m_hWnd) && !widget->testAttribute(Qt::WA_ForceDisabled)) {
            return candidate->Attached();
        }
    }
    return FromHandle(control->m_hWnd);
}

void CWnd::GetClientRect(CRect* rect) const {
    *rect = m_hWnd != nullptr ? CRect(0, 0, m_hWnd->width(), m_hWnd->height()) : CRect();
}

void CWnd::GetWindowRect(CRect* rect) const {
    if (m_hWnd == nullptr) {
        *rect = CRect();
    } else if (m_hWnd->isWindow()) {
        // A top-level window's position is that of its frame.
        const QMargins frame = WindowFrameMargins(m_hWnd);
        *rect = ToCRect(QRect(m_hWnd->pos(), m_hWnd->size().grownBy(frame)));
    } else {
        *rect = ToCRect(QRect(m_hWnd->mapToGlobal(QPoint(0, 0)), m_hWnd->size()));
    }
}

void CWnd::ClientToScreen(CPoint* point) const {
    if (m_hWnd != nullptr) {
        const QPoint global = m_hWnd->mapToGlobal(QPoint(point->x, point->y));
        *point = CPoint(global.x(), global.y());
    }
}

void CWnd::ClientToScreen(CRect* rect) const {
    CPoint topLeft = rect->TopLeft();
    ClientToScreen(&topLeft);
    rect->OffsetRect(topLeft.x - rect->left, topLeft.y - rect->top);
}

void CWnd::ScreenToClient(CPoint* point) const {
    if (m_hWnd != nullptr) {
        const QPoint local = m_hWnd->mapFromGlobal(QPoint(point->x, point->y));
        *point = CPoint(local.x(), local.y());
    }
}

void CWnd::ScreenToClient(CRect* rect) const {
    CPoint topLeft = rect->TopLeft();
    ScreenToClient(&topLeft);
    rect->OffsetRect(topLeft.x - rect->left, topLeft.y - rect->top);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0U : SWP_NOREDRAW));
}

void CWnd::MoveWindow(const CRect& rect, BOOL repaint) {
    MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), repaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int width, int height, UINT flags) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    QWidget* widget = m_hWnd;
    if ((flags & SWP_NOMOVE) == 0) {
        widget->move(x, y);  // a top-level window's position is that of its frame
    }
    if ((flags & SWP_NOSIZE) == 0) {
        if (widget->isWindow()) {
            // The size given includes the frame; dialogs keep a fixed client size.
            widget->setFixedSize(QSize(width, height).shrunkBy(WindowFrameMargins(widget)));
        } else {
            widget->resize(width, height);
        }
    }
    if ((flags & SWP_NOZORDER) == 0) {
        widget->raise();
        if (widget->isWindow()) {
            BringToFront(widget);
        }
    }
    return TRUE;
}

void CWnd::Invalidate(BOOL erase) {
    if (WindowHost* host = HostOf(this)) {
        host->AddInvalid(QRegion(m_hWnd->rect()), erase != FALSE);
    }
}

void CWnd::InvalidateRect(const CRect* rect, BOOL erase) {
    if (WindowHost* host = HostOf(this)) {
        host->AddInvalid(rect != nullptr ? QRegion(ToQRect(*rect)) : QRegion(m_hWnd->rect()), erase != FALSE);
    }
}

void CWnd::UpdateWindow() {
    if (WindowHost* host = HostOf(this)) {
        host->PaintPendingNow();
    }
}

BOOL CWnd::RedrawWindow(const CRect* rect, CRgn* region, UINT flags) {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return FALSE;
    }
    if ((flags & RDW_INVALIDATE) != 0) {
        QRegion area(m_hWnd->rect());
        if (region != nullptr && static_cast<HRGN>(*region) != nullptr) {
            area = static_cast<HRGN>(*region)->region;
        } else if (rect != nullptr) {
            area = QRegion(ToQRect(*rect));
        }
        host->AddInvalid(area, (flags & RDW_ERASE) != 0);
    }
    if ((flags & RDW_UPDATENOW) != 0) {
        host->PaintPendingNow();
    }
    return TRUE;
}

DWORD CWnd::GetStyle() const {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return 0;
    }
    DWORD style = host->windowStyle & ~(WS_VISIBLE | WS_DISABLED);
    const bool visible = m_hWnd->isWindow() ? m_hWnd->isVisible() : m_hWnd->isVisibleTo(m_hWnd->parentWidget());
    if (visible) {
        style |= WS_VISIBLE;
    }
    if (m_hWnd->testAttribute(Qt::WA_ForceDisabled)) {
        style |= WS_DISABLED;
    }
    return style;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return FALSE;
    }
    const DWORD before = GetStyle();
    const DWORD after = (before & ~remove) | add;
    host->windowStyle = after;
    if (((before ^ after) & WS_VISIBLE) != 0) {
        m_hWnd->setVisible((after & WS_VISIBLE) != 0);
    }
    if (((before ^ after) & WS_DISABLED) != 0) {
        m_hWnd->setEnabled((after & WS_DISABLED) == 0);
    }
    host->StyleChanged();
    return TRUE;
}

BOOL CWnd::EnableWindow(BOOL enable) {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    const BOOL wasDisabled = IsWindowEnabled() ? FALSE : TRUE;
    m_hWnd->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    WindowHost* host = HostOf(this);
    return host != nullptr && host->modalDisableCount == 0 && !m_hWnd->testAttribute(Qt::WA_ForceDisabled);
}

BOOL CWnd::IsIconic() const {
    return m_hWnd != nullptr && m_hWnd->isMinimized();
}

void CWnd::SetWindowText(const std::string& text) {
    if (WindowHost* host = HostOf(this)) {
        host->SetText(text);
    }
}

// Names are set again at every paint, and Qt announces every name it is given to assistive
// technologies: only a real change (a claim renaming its cell) is handed on.
void CWnd::SetAccessibleName(const std::string& name) {
    const QString text = QString::fromStdString(name);
    if (m_hWnd != nullptr && m_hWnd->accessibleName() != text) {
        m_hWnd->setAccessibleName(text);
    }
}

void CWnd::SetAccessibleDescription(const std::string& description) {
    const QString text = QString::fromStdString(description);
    if (m_hWnd != nullptr && m_hWnd->accessibleDescription() != text) {
        m_hWnd->setAccessibleDescription(text);
    }
}

void CWnd::GetWindowText(std::string& text) const {
    WindowHost* host = HostOf(this);
    text = host != nullptr ? host->Text() : std::string();
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
    if (CWnd* item = GetDlgItem(id)) {
        item->SetWindowText(text);
    }
}

int CWnd::GetDlgItemText(int id, std::string& text) const {
    text.clear();
    if (CWnd* item = GetDlgItem(id)) {
        item->GetWindowText(text);
    }
    return static_cast<int>(text.size());
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    bool ok = false;
    UINT value = 0;
    if (const CWnd* item = GetDlgItem(id)) {
        std::string text;
        item->GetWindowText(text);
        value = ParseDlgItemInt(text, isSigned != FALSE, &ok);
    }
    if (translated != nullptr) {
        *translated = ok ? TRUE : FALSE;
    }
    return value;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    const HFONT handle = font != nullptr ? static_cast<HFONT>(*font) : nullptr;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(handle), MAKELPARAM(redraw, 0));
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_hWnd != nullptr) {
        m_hWnd->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetFocus() {
    return NearestLayerWindow(QApplication::focusWidget());
}

CWnd* CWnd::SetCapture() {
    CWnd* previous = GetCapture();
    if (m_hWnd != nullptr) {
        SetMouseCapture(m_hWnd);
    }
    return previous;
}

CWnd* CWnd::GetCapture() {
    return NearestLayerWindow(MouseCapture());
}

BOOL ReleaseCapture() {
    ReleaseMouseCapture();
    return TRUE;
}

CWnd* CWnd::WindowFromPoint(CPoint screenPoint) {
    const QPoint point(screenPoint.x, screenPoint.y);
    QWidget* window = TopLevelWindowAt(point);
    if (window == nullptr) {
        return nullptr;
    }
    QWidget* child = window->childAt(window->mapFromGlobal(point));
    return NearestLayerWindow(child != nullptr ? child : window);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void* callback) {
    WindowHost* host = HostOf(this);
    if (host == nullptr || callback != nullptr) {
        return 0;
    }
    KillTimer(id);
    const int qtId = m_hWnd->startTimer(static_cast<int>(std::max(elapse, kMinimumTimerMs)));
    if (qtId == 0) {
        return 0;
    }
    host->timers[id] = qtId;
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return FALSE;
    }
    const auto found = host->timers.find(id);
    if (found == host->timers.end()) {
        return FALSE;
    }
    m_hWnd->killTimer(found->second);
    host->timers.erase(found);
    return TRUE;
}

int CWnd::SetWindowRgn(HRGN region, BOOL redraw) {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return 0;
    }
    if (host->region != nullptr && host->region != region) {
        DeleteObject(host->region);
    }
    host->region = region;
    if (region == nullptr) {
        m_hWnd->clearMask();
    } else if (region->region.isEmpty()) {
        // No pixel left: Qt reads an empty mask as "no mask", so mask to a point outside.
        m_hWnd->setMask(QRegion(-1, -1, 1, 1));
    } else {
        m_hWnd->setMask(region->region);
    }
    if (redraw) {
        m_hWnd->update();
    }
    return 1;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return nullptr;
    }
    HICON& slot = bigIcon ? host->bigIcon : host->smallIcon;
    const HICON previous = slot;
    slot = icon;
    host->ShowIcon();
    return previous;
}

CMenu* CWnd::GetSystemMenu(BOOL revert) const {
    WindowHost* host = HostOf(this);
    if (host == nullptr) {
        return nullptr;
    }
    if (revert) {
        host->systemMenu.reset();
        return nullptr;
    }
    if (!host->systemMenu) {
        host->systemMenu = std::make_unique<CMenu>();
    }
    return host->systemMenu.get();
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return ::MessageBox(m_hWnd, text, caption, type);
}
