// SPDX-License-Identifier: MIT
#include "platform/dialog/CDialog.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cctype>

#include "platform/dialog/DialogUnits.h"
#include "platform/dialog/TemplateControls.h"
#include "platform/shell/CWinApp.h"

namespace {

std::function<void(CDialog&)>& ModalHook() {
    static std::function<void(CDialog&)> hook;
    return hook;
}

bool& Embedding() {
    static bool embed = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return embed;
}

std::vector<CDialog*>& RunningDialogs() {
    static std::vector<CDialog*> running;
    return running;
}

Qt::WindowFlags FlagsForStyle(TemplateStyle style, bool owned) {
    Qt::WindowFlags flags = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint;
    flags |= (style & WS_CAPTION) == WS_CAPTION ? Qt::WindowTitleHint : Qt::FramelessWindowHint;
    if ((style & WS_SYSMENU) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((style & WS_MINIMIZEBOX) != 0) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if ((style & WS_MAXIMIZEBOX) != 0) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// A template's text in the player's language: Qt's translation in the template's context, or the
// text itself.
QString Translated(const DialogTemplate& dialogTemplate, const std::string& text) {
    if (text.empty()) {
        return {};
    }
    return QCoreApplication::translate(dialogTemplate.translationContext.c_str(), text.c_str());
}

// Longest wait for an owner that does not come on screen (minimised, on another desktop).
constexpr int kOwnerOnScreenWaitMs = 250;

bool IsPushType(const DialogItemTemplate& item) {
    const TemplateStyle type = item.style & BS_TYPEMASK;
    return item.kind == ControlClass::Button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsRadio(const DialogItemTemplate& item) {
    return item.kind == ControlClass::Button && (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

bool TakesFocus(const QWidget* widget) {
    return widget->isVisibleTo(widget->parentWidget()) && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

// Keeps the owner's controls from the pointer while an embedded dialog runs over it.
class ModalShield final : public QWidget {
public:
    explicit ModalShield(QWidget* owner) : QWidget(owner) {
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(owner->rect());
        // The owner may be resized meanwhile (its frame, full screen): the shield keeps covering it.
        owner->installEventFilter(this);
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parentWidget() && event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        }
        return false;
    }
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
};

}  // namespace

CDialog::CDialog(unsigned templateId, QWidget* parent) : QDialog(nullptr), templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    std::erase(RunningDialogs(), this);
}

void CDialog::SetModalHook(std::function<void(CDialog&)> hook) {
    ModalHook() = std::move(hook);
}

void CDialog::EmbedInOwner(bool embed) {
    Embedding() = embed;
}

CDialog* CDialog::Innermost() {
    return RunningDialogs().empty() ? nullptr : RunningDialogs().back();
}

void CDialog::OnCommand(int id) {
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (running_) {
        done(result);
    }
}

int CDialog::DoModal() {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId_);
    if (dialogTemplate == nullptr || running_) {
        return -1;
    }
    QWidget* owner = parent_ != nullptr ? parent_->window() : nullptr;
    if (owner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != this) {
        owner = AfxGetApp()->m_pMainWnd;
    }
    // A dialog asked for while its owner is on its way to the screen (the board asks for its first
    // settings from its own set-up) lets the owner's first picture come first.
    if (auto* ownerDialog = qobject_cast<CDialog*>(owner);
        ownerDialog != nullptr && ownerDialog->isVisible() && !ownerDialog->paintedSinceShown_) {
        QEventLoop wait;
        QTimer::singleShot(kOwnerOnScreenWaitMs, &wait, &QEventLoop::quit);
        ownerDialog->whenPainted_ = [&wait] { wait.quit(); };
        wait.exec(QEventLoop::ExcludeUserInputEvents);
        ownerDialog->whenPainted_ = nullptr;
    }
    ended_ = false;
    result_ = -1;
    const bool embedded = Embedding() && owner != nullptr;
    style_ = dialogTemplate->style;
    if (!IsResizable()) {
        const auto* ownerDialog = qobject_cast<const CDialog*>(owner);
        scale_ = ownerDialog != nullptr ? ownerDialog->Scale() : 1;
    }
    setParent(owner, embedded ? Qt::Widget : FlagsForStyle(style_, owner != nullptr));
    Build(*dialogTemplate);
    PlaceInOwner(*dialogTemplate, owner);
    if (OnInitDialog() && !ended_) {
        const auto first = std::find_if(controls_.begin(), controls_.end(), [](const Control& control) {
            return (control.item->style & WS_TABSTOP) != 0 && TakesFocus(control.widget);
        });
        if (first != controls_.end()) {
            first->widget->setFocus(Qt::OtherFocusReason);
        }
    }
    if (!ended_) {
        if (embedded) {
            shield_ = new ModalShield(owner);
            raise();
            // Not the owner's cursor, which may tell whose turn it is.
            setCursor(Qt::ArrowCursor);
        }
        running_ = true;
        hookPending_ = true;
        RunningDialogs().push_back(this);
        setWindowModality(embedded ? Qt::NonModal : Qt::ApplicationModal);
        exec();
        std::erase(RunningDialogs(), this);
        running_ = false;
        delete shield_;
    }
    TearDown();
    return result_;
}

void CDialog::Build(const DialogTemplate& dialogTemplate) {
    const int points = dialogTemplate.fontPointSize;
    template_ = &dialogTemplate;
    designSize_ = DialogRectToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy, points).size();
    if (IsResizable()) {
        setMinimumSize(designSize_);
        resize(designSize_);
        FitLayoutToSize();
    } else {
        layoutOrigin_ = QPoint();
        setFixedSize(ScaledRect(QRect(QPoint(), designSize_), scale_).size());
    }
    setFont(TemplateFont(dialogTemplate.fontFace, points, scale_));
    // Given no title, the toolkit names the window after the program; a blank keeps the title bar empty.
    setWindowTitle(dialogTemplate.caption.empty() ? QStringLiteral(" ")
                                                  : Translated(dialogTemplate, dialogTemplate.caption));
    factories_.clear();
    DoDataExchange();
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        QWidget* widget = BuildControl(item, Translated(dialogTemplate, item.text));
        if ((item.style & WS_TABSTOP) != 0) {
            widget->setFocusPolicy(Qt::StrongFocus);
        } else {
            widget->setFocusPolicy(item.kind == ControlClass::Static ? Qt::NoFocus : Qt::ClickFocus);
        }
        widget->setEnabled((item.style & WS_DISABLED) == 0);
        widget->setVisible((item.style & WS_VISIBLE) != 0);
        controls_.push_back({widget, &item});
        PlaceControl(controls_.back());
        if (auto* templateControl = dynamic_cast<TemplateControl*>(widget)) {
            templateControl->PreSubclassWindow(item);
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::clicked, this, [this, id = item.id] { OnCommand(id); });
        }
    }
}

QWidget* CDialog::BuildControl(const DialogItemTemplate& item, const QString& text) {
    if (const auto factory = factories_.find(item.id); factory != factories_.end()) {
        // The template's text stays the control's, though a picture may stand for it on screen.
        QWidget* widget = factory->second(this);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
        }
        return widget;
    }
    return BuildTemplateControl(this, item, text);
}

void CDialog::PlaceControl(const Control& control) const {
    const DialogItemTemplate& item = *control.item;
    const QRect placed = DialogRectToPixels(item.x, item.y, item.cx, item.cy, template_->fontPointSize, scale_)
                             .translated(layoutOrigin_);
    const auto* templateControl = dynamic_cast<const TemplateControl*>(control.widget);
    control.widget->setGeometry(templateControl != nullptr ? templateControl->PlacedRect(placed, scale_) : placed);
}

void CDialog::FitLayoutToSize() {
    scale_ = std::min(width() / static_cast<qreal>(designSize_.width()),
                      height() / static_cast<qreal>(designSize_.height()));
    const QSize laidOut = LayoutArea().size();
    layoutOrigin_ = QPoint((width() - laidOut.width()) / 2, (height() - laidOut.height()) / 2);
}

void CDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!IsResizable() || template_ == nullptr) {
        return;
    }
    const qreal before = scale_;
    FitLayoutToSize();
    if (scale_ != before) {
        setFont(TemplateFont(template_->fontFace, template_->fontPointSize, scale_));
    }
    for (const Control& control : controls_) {
        PlaceControl(control);
    }
}

QRect CDialog::LayoutArea() const {
    return {layoutOrigin_, ScaledRect(QRect(QPoint(), designSize_), scale_).size()};
}

QRect CDialog::DesignRect(const QWidget* control) const {
    const Control* found = Find(control);
    if (found == nullptr || template_ == nullptr) {
        return {};
    }
    const DialogItemTemplate& item = *found->item;
    return DialogRectToPixels(item.x, item.y, item.cx, item.cy, template_->fontPointSize);
}

qreal CDialog::ScaleOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (const auto* dialog = qobject_cast<const CDialog*>(widget)) {
            return dialog->Scale();
        }
    }
    return 1;
}

void CDialog::PlaceInOwner(const DialogTemplate& dialogTemplate, QWidget* owner) {
    // The template position is relative to the owner's client area, or to the part of it a
    // resizable owner lays its own template out in (the screen's work area for a window of its own).
    const int points = dialogTemplate.fontPointSize;
    QPoint offset(ScaledLength(DialogUnitsToPixelsX(dialogTemplate.x, points), scale_),
                  ScaledLength(DialogUnitsToPixelsY(dialogTemplate.y, points), scale_));
    if (owner == nullptr) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        MoveWindow((screen != nullptr ? screen->availableGeometry().topLeft() : QPoint()) + offset);
        return;
    }
    if (const auto* ownerDialog = qobject_cast<const CDialog*>(owner)) {
        offset += ownerDialog->LayoutArea().topLeft();
    }
    MoveWindow(owner->mapToGlobal(offset));
}

void CDialog::TearDown() {
    for (const Control& control : controls_) {
        delete control.widget;
    }
    controls_.clear();
    factories_.clear();
    // The dialog object may outlive its owner (the board's own dialogs are its members).
    setParent(nullptr);
}

QRect CDialog::WindowRect() const {
    const QRect client(mapToGlobal(QPoint(0, 0)), size());
    if (!isWindow() || Embedding()) {
        return client;
    }
    if (isVisible()) {
        return frameGeometry();
    }
    // Until the window is on screen, its frame is where it was moved to, and a dialog with a title
    // bar is taken to get the frame its owner has.
    QMargins frame;
    if (const QWidget* owner = parentWidget();
        owner != nullptr && owner->windowHandle() != nullptr && (style_ & WS_CAPTION) == WS_CAPTION) {
        frame = owner->windowHandle()->frameMargins();
    }
    return {framePosition_, size().grownBy(frame)};
}

void CDialog::MoveWindow(const QPoint& screenPoint) {
    framePosition_ = screenPoint;
    move(isWindow() ? screenPoint : parentWidget()->mapFromGlobal(screenPoint));
}

const CDialog::Control* CDialog::Find(const QWidget* widget) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [widget](const Control& control) { return control.widget == widget; });
    return found != controls_.end() ? &*found : nullptr;
}

QWidget* CDialog::GetDlgItem(int id) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const Control& control) { return control.item->id == id; });
    return found != controls_.end() ? found->widget : nullptr;
}

int CDialog::GetDlgCtrlID(const QWidget* control) const {
    const Control* found = Find(control);
    return found != nullptr ? found->item->id : 0;
}

std::string CDialog::GetDlgItemText(int id) const {
    const QWidget* control = GetDlgItem(id);
    return control != nullptr ? control->property("text").toString().toStdString() : std::string();
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
    if (QWidget* control = GetDlgItem(id)) {
        control->setProperty("text", QString::fromStdString(text));
    }
    // A box shows the start of its text.
    if (auto* edit = qobject_cast<QLineEdit*>(GetDlgItem(id))) {
        edit->setCursorPosition(0);
    }
}

int CDialog::GetDlgItemInt(int id) const {
    const std::string text = GetDlgItemText(id);
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos) {
        return 0;
    }
    const bool negative = text[at] == '-';
    at += negative ? 1 : 0;
    long long value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
        value = std::min<long long>(value * 10 + (text[at] - '0'), 1LL << 31);
    }
    return static_cast<int>(std::clamp<long long>(negative ? -value : value, INT32_MIN, INT32_MAX));
}

std::vector<QWidget*> CDialog::GroupOf(const QWidget* control) const {
    std::vector<QWidget*> group;
    bool found = false;
    for (const Control& member : controls_) {
        if ((member.item->style & WS_GROUP) != 0) {
            if (found) {
                break;
            }
            group.clear();
        }
        group.push_back(member.widget);
        found = found || member.widget == control;
    }
    return found ? group : std::vector<QWidget*>{};
}

bool CDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::Paint) {
        paintedSinceShown_ = true;
        if (whenPainted_) {
            std::exchange(whenPainted_, nullptr)();
        }
        if (std::exchange(hookPending_, false)) {
            QTimer::singleShot(0, this, [this] {
                if (running_ && !ended_ && ModalHook()) {
                    ModalHook()(*this);
                }
            });
        }
    } else if (event->type() == QEvent::Hide) {
        paintedSinceShown_ = false;
    }
    return handled;
}

void CDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnEnter();
        return;
    case Qt::Key_Escape:
        if (!LeaveFullScreen()) {
            reject();
        }
        return;
    case Qt::Key_F1:
        if (AfxGetApp() != nullptr) {
            AfxGetApp()->OnHelp();
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        MoveWithinGroup(event->key() == Qt::Key_Left || event->key() == Qt::Key_Up);
        return;
    default:
        event->ignore();
    }
}

bool CDialog::LeaveFullScreen() {
    // A player who presses Escape to get out of full screen must not cancel a dialog or end the
    // game by it: the window the dialog is in, then each window it runs over.
    for (QWidget* shown = window(); shown != nullptr;
         shown = shown->parentWidget() != nullptr ? shown->parentWidget()->window() : nullptr) {
        if (shown->isFullScreen()) {
            shown->setWindowState(shown->windowState() & ~Qt::WindowFullScreen);
            return true;
        }
    }
    return false;
}

void CDialog::OnEnter() {
    const Control* focused = Find(focusWidget());
    const Control* target = focused != nullptr && IsPushType(*focused->item) ? focused : nullptr;
    for (auto control = controls_.begin(); target == nullptr && control != controls_.end(); ++control) {
        if (control->item->kind == ControlClass::Button && (control->item->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            target = &*control;
        }
    }
    if (target != nullptr && !target->widget->isEnabled()) {
        return;
    }
    OnCommand(target != nullptr ? target->item->id : IDOK);
}

void CDialog::reject() {
    OnCommand(IDCANCEL);
}

void CDialog::closeEvent(QCloseEvent* event) {
    // The close box cancels; the dialog decides whether it ends.
    event->ignore();
    QTimer::singleShot(0, this, [this] {
        if (running_) {
            OnCommand(IDCANCEL);
        }
    });
}

void CDialog::MoveWithinGroup(bool previous) {
    QWidget* focused = focusWidget();
    const std::vector<QWidget*> group = GroupOf(focused);
    const auto at = std::find(group.begin(), group.end(), focused);
    if (at == group.end()) {
        return;
    }
    // Labels in the group take no focus and are passed over.
    const auto size = static_cast<std::ptrdiff_t>(group.size());
    for (std::ptrdiff_t step = 1; step < size; ++step) {
        const std::ptrdiff_t index = ((at - group.begin()) + (previous ? -step : step) % size + size) % size;
        QWidget* next = group[static_cast<std::size_t>(index)];
        if (TakesFocus(next)) {
            next->setFocus(previous ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            if (const Control* control = Find(next); control != nullptr && IsRadio(*control->item)) {
                static_cast<QAbstractButton*>(next)->click();
            }
            return;
        }
    }
}

bool CDialog::focusNextPrevChild(bool next) {
    // The tab stops in template order, from the focused control on (which need not be one).
    const auto focused = std::find_if(controls_.begin(), controls_.end(),
                                      [this](const Control& control) { return control.widget == focusWidget(); });
    const auto count = static_cast<std::ptrdiff_t>(controls_.size());
    const std::ptrdiff_t start = focused != controls_.end() ? focused - controls_.begin() : (next ? -1 : count);
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t index = ((start + (next ? step : -step)) % count + count) % count;
        QWidget* candidate = controls_[static_cast<std::size_t>(index)].widget;
        if (TakesFocus(candidate) && (candidate->focusPolicy() & Qt::TabFocus) != 0) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            LandOnCheckedRadio(candidate);
            return true;
        }
    }
    return false;
}

void CDialog::LandOnCheckedRadio(QWidget* focused) {
    const Control* control = Find(focused);
    if (control == nullptr || !IsRadio(*control->item)) {
        return;
    }
    for (QWidget* member : GroupOf(focused)) {
        if (auto* button = qobject_cast<QAbstractButton*>(member); button != nullptr && button->isChecked()) {
            member->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
