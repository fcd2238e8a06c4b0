// SPDX-License-Identifier: MIT
#pragma once
// A device context: either a memory DC drawing into the bitmap selected into it (a QImage in
// Format_RGB32), or a DC that draws through a QPainter opened by someone else (the paint DC of a
// widget, built by the windowing part of the layer on AttachPainter).
// Raster operations are exact on RGB32 pixels: SRCCOPY copies, SRCINVERT xors, SRCAND ands.

#include <memory>
#include <string>

#include "platform/GdiHandles.h"
#include "platform/Geometry.h"

class QImage;
class QPainter;
class CBitmap;
class CBrush;
class CFont;

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

// Sides of DrawEdge (BF_RECT is all four)
inline constexpr UINT BF_LEFT = 0x1;
inline constexpr UINT BF_TOP = 0x2;
inline constexpr UINT BF_RIGHT = 0x4;
inline constexpr UINT BF_BOTTOM = 0x8;

class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    static CDC* FromHandle(HDC dc) { return dc; }
    HDC GetSafeHdc() { return this; }

    // Makes this a memory DC holding a 1 x 1 black bitmap until another one is selected.
    // `reference` may be null (the screen).
    BOOL CreateCompatibleDC(CDC* reference);

    // Each returns what was selected before; it stays valid while this DC lives, so that it can
    // be selected back. Selecting a bitmap works only in a memory DC (null otherwise).
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    // By handle (a font or a bitmap); returns the previous handle of that kind.
    HGDIOBJ SelectObject(HGDIOBJ object);

    COLORREF SetTextColor(COLORREF color);  // each setter returns the previous value
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);  // TRANSPARENT or OPAQUE (the default)

    // Parts of the source rectangle outside the source's pixels are not copied (the matching
    // destination pixels stay as they were). Only SRCCOPY, SRCINVERT and SRCAND are known.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
    // Nearest-pixel scaling of the source rectangle onto the destination rectangle.
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int widthSource,
                    int heightSource, DWORD rop);
    // CLR_INVALID outside the pixels, or when the DC's pixels cannot be read back.
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(CPoint point) const { return GetPixel(point.x, point.y); }

    void FillSolidRect(const CRect& rect, COLORREF color);
    void FillSolidRect(int x, int y, int width, int height, COLORREF color);
    // A hollow or null brush fills nothing.
    void FillRect(const CRect* rect, CBrush* brush);
    void FillRect(const CRect* rect, HBRUSH brush);

    // Flags: DT_LEFT, DT_CENTER, DT_RIGHT, DT_TOP, DT_VCENTER (single line only), DT_SINGLELINE,
    // DT_WORDBREAK; the text is clipped to the rectangle. "&x" shows x ("&&" shows "&"); the
    // mnemonic underline is not drawn. In OPAQUE mode each line's text cell is first filled with
    // the background colour. Returns the height of the text.
    int DrawText(const std::string& text, CRect* rect, UINT format);
    int DrawText(const std::string& text, const CRect& rect, UINT format);
    // Width and cell height of one line of text in the selected font.
    CSize GetTextExtent(const std::string& text) const;

    // EDGE_RAISED / EDGE_SUNKEN (or their BDR_ parts) on the sides named by BF_ flags, in the
    // classic system colours (see SystemColors.h). The rectangle is not changed.
    BOOL DrawEdge(CRect* rect, UINT edge, UINT flags);
    // The dotted focus rectangle: every second pixel of the outline inverted, so a second call
    // removes it.
    void DrawFocusRect(const CRect* rect);
    // The icon at its system size (SM_CXICON x SM_CYICON) with its top-left corner at (x, y).
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIcon(CPoint point, HICON icon) { return DrawIcon(point.x, point.y, icon); }

protected:
    // Draw through `painter` (not owned) from now on; the painter's current transform maps the
    // DC's coordinates. Pixels can be read back when the painter's engine draws into a QImage.
    void AttachPainter(QPainter* painter);
    void DetachPainter();

private:
    // The @2x picture of the resource bitmap a memory DC holds, while its pixels are still that
    // resource's; null otherwise.
    const QImage* HighDensityPixels() const;

    struct State;
    std::unique_ptr<State> state_;
};
