// SPDX-License-Identifier: MIT
#pragma once
// A modal dialog built from a registered template (DialogTemplate.h).
//
// DoModal builds the controls in template order (tab order, groups, fonts, styles): the game's own
// control classes for the ids that DoDataExchange binds, plain Qt controls for the rest, with the
// template's texts in the player's language. It calls
// OnInitDialog, shows the dialog at the template's place relative to its owner's client area, and
// runs Qt's nested modal loop: timers and queued calls keep running beneath it. The controls are
// destroyed when it ends, so the next DoModal starts afresh.
// Keys: Enter is the command of the focused push button, else of the default push button, else
// IDOK; Escape and the close box are IDCANCEL; F1 is the application's help; the arrow keys move
// within a group of controls and check a radio button they land on, and Tab lands on a group's
// checked radio button.
// Where the window system places windows itself (Wayland), a dialog becomes a child of its owner
// at the same place, with the owner's other controls shut off while it runs.
// A template with a resizable frame (WS_THICKFRAME) opens at its designed size, which is also its
// smallest: larger, its controls are laid out again at one scale factor that keeps the design's
// aspect ratio, centred. Every other dialog opens at the factor of the window it opens over.
// Escape first leaves full screen, in the dialog's window or the one it runs over.

#include <QDialog>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/dialog/DialogTemplate.h"

class CDialog : public QDialog {
    Q_OBJECT

public:
    // `parent` null: the application's main window becomes the owner when the dialog is shown.
    explicit CDialog(unsigned templateId, QWidget* parent = nullptr);
    ~CDialog() override;

    // The EndDialog result; -1 when the template is not registered or the dialog is already running.
    virtual int DoModal();
    // Base: nothing. True puts the focus on the first tab stop.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // A button of the template was clicked, or Enter or Escape asked for it: IDOK and IDCANCEL go
    // to OnOK and OnCancel.
    virtual void OnCommand(int id);
    // Ends the modal loop with `result` once the current event has been handled.
    void EndDialog(int result);

    unsigned GetTemplateId() const { return templateId_; }
    bool IsRunning() const { return running_; }
    // The control `id` of the running dialog, or null.
    QWidget* GetDlgItem(int id) const;
    int GetDlgCtrlID(const QWidget* control) const;
    // Text of an edit box, a label or a button; empty for anything else.
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text);
    // The number an edit box starts with: blanks skipped, an optional minus sign, digits; 0 when it
    // does not start with a whole number.
    int GetDlgItemInt(int id) const;

    // The dialog's rectangle on the screen, its frame included, and moving its frame's corner to a
    // point of the screen. Where dialogs run inside their owner, the client areas.
    QRect WindowRect() const;
    void MoveWindow(const QPoint& screenPoint);

    // The template's size in pixels, as designed.
    QSize DesignSize() const { return designSize_; }
    // The factor the template is laid out at (1: as designed).
    qreal Scale() const { return scale_; }
    // The part of the client area the template is laid out in: all of it, but for the centred area
    // of the design's aspect ratio in a resizable window.
    QRect LayoutArea() const;
    // A control's rectangle at the designed size, in the template's own pixels.
    QRect DesignRect(const QWidget* control) const;
    // The factor of the dialog `widget` is in; 1 outside every dialog.
    static qreal ScaleOf(const QWidget* widget);

    // The controls of `control`'s group in template order: from the control that starts the group
    // (WS_GROUP) up to the next one.
    std::vector<QWidget*> GroupOf(const QWidget* control) const;

    // Test seam: called with the dialog once its modal loop runs and it has painted, for every
    // DoModal, so tests can click, type and end dialogs. An empty function removes the hook.
    static void SetModalHook(std::function<void(CDialog&)> hook);
    // Whether dialogs become children of their owner (set from the window system at start; tests
    // may choose).
    static void EmbedInOwner(bool embed);
    // The innermost dialog running, or null.
    static CDialog* Innermost();

protected:
    // Binds the game's control classes to template ids with DDX_Control; called before the controls
    // are built.
    virtual void DoDataExchange() {}
    template <class Control>
    void DDX_Control(int id, QPointer<Control>& member) {
        factories_[id] = [&member](QWidget* parent) {
            auto* control = new Control(parent);
            member = control;
            return static_cast<QWidget*>(control);
        };
    }

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Control {
        QWidget* widget;
        const DialogItemTemplate* item;
    };
    void Build(const DialogTemplate& dialogTemplate);
    // `text` is the item's, translated.
    QWidget* BuildControl(const DialogItemTemplate& item, const QString& text);
    bool IsResizable() const { return (style_ & WS_THICKFRAME) != 0; }
    // The factor and the area's corner a resizable window's size gives.
    void FitLayoutToSize();
    void PlaceControl(const Control& control) const;
    bool LeaveFullScreen();
    void PlaceInOwner(const DialogTemplate& dialogTemplate, QWidget* owner);
    void TearDown();
    const Control* Find(const QWidget* widget) const;
    void OnEnter();
    void MoveWithinGroup(bool previous);
    void LandOnCheckedRadio(QWidget* focused);

    unsigned templateId_;
    QPointer<QWidget> parent_;
    QPointer<QWidget> shield_;
    std::map<int, std::function<QWidget*(QWidget*)>> factories_;
    std::vector<Control> controls_;
    TemplateStyle style_ = 0;
    const DialogTemplate* template_ = nullptr;
    QSize designSize_;
    qreal scale_ = 1;
    QPoint layoutOrigin_;
    QPoint framePosition_;
    bool running_ = false;
    bool ended_ = false;
    int result_ = -1;
    bool hookPending_ = false;
    bool paintedSinceShown_ = false;
    std::function<void()> whenPainted_;
};
