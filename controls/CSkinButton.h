// SPDX-License-Identifier: MIT
#pragma once
// The game's one button: drawn from bitmap resources, one per visual state, with an optional
// caption over the picture. It keeps its own check-box and radio behaviour: a radio button that
// becomes checked unchecks the rest of its template group with a queued call, after the current
// event. A mask gives the button its shape, for drawing and for the pointer alike. In a dialog laid
// out at a factor, the pictures, the caption, its rectangle and font, the mask and the focus inset
// are all drawn at that factor: a skin is given in the designed button's pixels.

#include <QAbstractButton>
#include <QPointer>
#include <QRegion>
#include <optional>
#include <string>

#include "controls/BitmapDrawing.h"
#include "controls/TextDrawing.h"
#include "platform/dialog/DialogTemplate.h"
#include "platform/draw/Picture.h"

// Screen readers learn each button's kind, states and name (SkinButtonAccessibility.cpp); once.
void InstallSkinButtonAccessibility();

// The designed platform's button type codes.
enum ButtonKind { PushKind = 0, CheckKind = 2, RadioKind = 4 };

class CSkinButton : public QAbstractButton, public TemplateControl {
    Q_OBJECT

public:
    explicit CSkinButton(QWidget* parent = nullptr);

    // Dresses the button; any number of times. Bitmap ids of 0 mean none; a disabled id of 0 takes
    // a copy of the normal bitmap. `drawMode` is clamped to BitmapDrawMode, `focusInset` to 0 and
    // above (0 draws no focus rectangle). With a mask the button takes the mask's shape (white =
    // outside) and, in Copy mode, its size. Does not repaint by itself: the new bitmaps show at
    // the next paint.
    void SetSkin(unsigned normalId, unsigned pressedId, unsigned hoverId, unsigned disabledId, unsigned focusId,
                 unsigned maskId, short drawMode, short edge, short focusInset, std::string caption,
                 const QRect& captionRect, int fontHeight);

    // Letters the caption in `style` (a picture button's words) instead of the design's caption font
    // of SetSkin's height and the button text colour; kept across SetSkin.
    void SetCaptionStyle(const CaptionStyle& style) { captionStyle = style; }

    // The kind from the template's button type: an automatic check box or radio button, else a push
    // button.
    void PreSubclassWindow(const DialogItemTemplate& item) override;
    // A masked button in Copy mode takes its mask's size at the factor.
    QRect PlacedRect(const QRect& placed, qreal scale) const override;

    // Sets or clears the check (a push button never keeps one); a radio button that is checked,
    // even again, unchecks the rest of its group. Repaints.
    void SetCheck(bool check);
    bool GetCheck() const { return isChecked(); }
    // Clears the check that the rest of the group asked to clear.
    void Uncheck();

    // A button that only shows something (a plate, the challenge's question): it takes no focus and
    // screen readers read it as a label.
    void ShowAsLabel();
    bool IsLabel() const { return label; }
    // The text screen readers give as the button's label (its group's), with its own name.
    void SetLabelledBy(QWidget* text) { labelledBy = text; }
    QWidget* LabelledBy() const { return labelledBy; }

    // The paint event's work: the state's bitmap, the edge, the focus cue and the caption.
    void DrawItem(QPainter& painter) const;

    ButtonKind GetKind() const { return kind; }
    BitmapDrawMode GetDrawMode() const { return drawMode; }
    short GetFocusInset() const { return focusInset; }
    bool IsHovering() const { return hovering; }
    const std::string& GetCaption() const { return caption; }
    // Whether the caption is drawn as given, neither wrapped nor shortened to fit its rectangle.
    bool CaptionIsWhole() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
    // A click or Space: a check box toggles, a radio button checks.
    void nextCheckState() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UncheckRestOfGroup();
    // The shape of the mask at the factor of the button's dialog, when that factor has changed.
    void FollowMask();
    // The focus cue once the keyboard moves the focus (the design's skins have no focus picture).
    static void DrawKeyboardFocusCue(QPainter& painter, const QRect& rect);

    std::string caption;
    QRect captionRect;
    int fontHeight = 0;
    std::optional<CaptionStyle> captionStyle;
    ButtonKind kind = PushKind;
    bool hovering = false;
    Picture normalBitmap;
    Picture pressedBitmap;
    Picture disabledBitmap;
    Picture maskBitmap;
    Picture hoverBitmap;
    Picture focusBitmap;
    short focusInset = 0;
    QColor textColor;
    QRegion windowRegion;
    // The factor windowRegion was cut at; 0 before any.
    qreal regionScale = 0;
    bool edge = false;
    BitmapDrawMode drawMode = BitmapDrawMode::Stretch;
    bool label = false;
    QPointer<QWidget> labelledBy;
};
