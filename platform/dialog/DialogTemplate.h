// SPDX-License-Identifier: MIT
#pragma once
// Dialog templates as data: the window's size, style, caption and font and its controls in
// template order (which is also the tab order). Coordinates are dialog units; styles are the
// designed platform's style bits, the part of them the game's templates use. The game registers
// its templates once at start-up, and CDialog builds its widgets from the registered template each
// time it runs. The texts are the source language's; the widgets show them in the player's, as
// Qt's translations of the template's context give them.

#include <QRect>
#include <QtGlobal>
#include <cstdint>
#include <string>
#include <vector>

using TemplateStyle = std::uint32_t;

// Window styles.
inline constexpr TemplateStyle WS_POPUP = 0x80000000u;
inline constexpr TemplateStyle WS_CHILD = 0x40000000u;
inline constexpr TemplateStyle WS_VISIBLE = 0x10000000u;
inline constexpr TemplateStyle WS_DISABLED = 0x08000000u;
inline constexpr TemplateStyle WS_CAPTION = 0x00C00000u;
inline constexpr TemplateStyle WS_BORDER = 0x00800000u;
inline constexpr TemplateStyle WS_SYSMENU = 0x00080000u;
inline constexpr TemplateStyle WS_THICKFRAME = 0x00040000u;   // the frame resizes the window
inline constexpr TemplateStyle WS_GROUP = 0x00020000u;        // of a control: it starts a group
inline constexpr TemplateStyle WS_MINIMIZEBOX = 0x00020000u;  // of a dialog
inline constexpr TemplateStyle WS_TABSTOP = 0x00010000u;      // of a control
inline constexpr TemplateStyle WS_MAXIMIZEBOX = 0x00010000u;  // of a dialog
inline constexpr TemplateStyle WS_EX_CLIENTEDGE = 0x00000200u;
inline constexpr TemplateStyle DS_SETFONT = 0x0040u;
inline constexpr TemplateStyle DS_MODALFRAME = 0x0080u;
// Button styles: the type in the low four bits, then flags.
inline constexpr TemplateStyle BS_PUSHBUTTON = 0x0;
inline constexpr TemplateStyle BS_DEFPUSHBUTTON = 0x1;
inline constexpr TemplateStyle BS_AUTOCHECKBOX = 0x3;
inline constexpr TemplateStyle BS_AUTORADIOBUTTON = 0x9;
inline constexpr TemplateStyle BS_TYPEMASK = 0xF;
inline constexpr TemplateStyle BS_BITMAP = 0x0080;
inline constexpr TemplateStyle BS_PUSHLIKE = 0x1000;
// Static styles.
inline constexpr TemplateStyle SS_LEFT = 0x0;
inline constexpr TemplateStyle SS_CENTER = 0x1;
inline constexpr TemplateStyle SS_RIGHT = 0x2;
inline constexpr TemplateStyle SS_CENTERIMAGE = 0x200;
inline constexpr TemplateStyle SS_BITMAP = 0xE;
inline constexpr TemplateStyle SS_ETCHEDFRAME = 0x12;
inline constexpr TemplateStyle SS_TYPEMASK = 0x1F;
// Edit styles.
inline constexpr TemplateStyle ES_LEFT = 0x0;

// The ids of the buttons that confirm and cancel a dialog, and what DoModal returns for them.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

enum class ControlClass { Button, Edit, Static };

struct DialogItemTemplate {
    int id = -1;
    ControlClass kind = ControlClass::Static;
    std::string text;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    TemplateStyle style = 0;  // WS_VISIBLE must be set for a visible control
    TemplateStyle exStyle = 0;
    unsigned imageId = 0;  // SS_BITMAP: the bitmap resource shown
};

struct DialogTemplate {
    unsigned id = 0;
    TemplateStyle style = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::string caption;
    // The context in which the caption and the controls' texts are translated
    // (QCoreApplication::translate); the game marks them with QT_TRANSLATE_NOOP in it.
    std::string translationContext;
    int fontPointSize = 8;
    std::string fontFace;
    std::vector<DialogItemTemplate> items;
};

// Adds or replaces the template of `dialogTemplate.id`.
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
// The registered template, or null.
const DialogTemplate* FindDialogTemplate(unsigned id);

// What a control of a template makes of its entry once it is built and placed.
class TemplateControl {
public:
    virtual ~TemplateControl() = default;
    virtual void PreSubclassWindow(const DialogItemTemplate& item) = 0;
    // Where the control goes when its template rectangle becomes `placed` (pixels at `scale` times
    // the designed size): there, unless the control takes a size of its own.
    virtual QRect PlacedRect(const QRect& placed, qreal /*scale*/) const { return placed; }
};
