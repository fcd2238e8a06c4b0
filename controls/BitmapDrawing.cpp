// SPDX-License-Identifier: MIT
#include "controls/BitmapDrawing.h"

#include <algorithm>
#include <vector>

#include "platform/draw/BitmapInfo.h"
#include "platform/draw/CRgn.h"

namespace {

CSize BitmapSize(const CBitmap* bitmap) {
    BITMAP info;
    if (bitmap == nullptr || bitmap->GetBitmap(&info) == 0) {
        return {};
    }
    return {info.bmWidth, info.bmHeight};
}

bool HoldsPicture(const CBitmap* bitmap) {
    const CSize size = BitmapSize(bitmap);
    return size.cx > 0 && size.cy > 0;
}

// Copy takes the block at the source's top-left corner; Stretch scales the whole source.
void Blit(CDC* destination, int x, int y, const CSize& size, CDC* source, const CSize& sourceSize, BitmapDrawMode mode,
          DWORD rop) {
    if (mode == BitmapDrawMode::Stretch) {
        destination->StretchBlt(x, y, size.cx, size.cy, source, 0, 0, sourceSize.cx, sourceSize.cy, rop);
    } else {
        destination->BitBlt(x, y, size.cx, size.cy, source, 0, 0, rop);
    }
}

}  // namespace

int BitmapWidth(const CBitmap* bitmap) {
    return BitmapSize(bitmap).cx;
}

int BitmapHeight(const CBitmap* bitmap) {
    return BitmapSize(bitmap).cy;
}

void DrawBitmap(CDC* dc, CBitmap* bitmap, const CRect& rect, BitmapDrawMode mode, CBitmap* mask) {
    if (mode == BitmapDrawMode::Tile) {
        TileBitmap(dc, bitmap, rect);
        return;
    }
    if (!HoldsPicture(bitmap)) {
        return;
    }
    const CSize size(rect.Width(), rect.Height());
    const CSize bitmapSize = BitmapSize(bitmap);
    CDC bitmapDc;
    bitmapDc.CreateCompatibleDC(dc);
    bitmapDc.SelectObject(bitmap);

    if (!HoldsPicture(mask)) {
        Blit(dc, rect.left, rect.top, size, &bitmapDc, bitmapSize, mode, SRCCOPY);
        return;
    }

    // bg ^ picture, & mask, ^ picture: white mask pixels give the background back, black ones the
    // picture. Composed off screen so the destination never shows a half-made state.
    CDC maskDc;
    maskDc.CreateCompatibleDC(dc);
    maskDc.SelectObject(mask);
    const CSize maskSize = BitmapSize(mask);

    CBitmap scratch;
    scratch.CreateCompatibleBitmap(dc, size.cx, size.cy);
    CDC scratchDc;
    scratchDc.CreateCompatibleDC(dc);
    scratchDc.SelectObject(&scratch);

    scratchDc.BitBlt(0, 0, size.cx, size.cy, dc, rect.left, rect.top, SRCCOPY);
    Blit(&scratchDc, 0, 0, size, &bitmapDc, bitmapSize, mode, SRCINVERT);
    Blit(&scratchDc, 0, 0, size, &maskDc, maskSize, mode, SRCAND);
    Blit(&scratchDc, 0, 0, size, &bitmapDc, bitmapSize, mode, SRCINVERT);
    dc->BitBlt(rect.left, rect.top, size.cx, size.cy, &scratchDc, 0, 0, SRCCOPY);
}

void TileBitmap(CDC* dc, CBitmap* bitmap, const CRect& rect) {
    if (!HoldsPicture(bitmap)) {
        return;
    }
    const CSize tile = BitmapSize(bitmap);
    CDC bitmapDc;
    bitmapDc.CreateCompatibleDC(dc);
    bitmapDc.SelectObject(bitmap);
    for (int y = rect.top; y < rect.bottom; y += tile.cy) {
        const int height = std::min(tile.cy, rect.bottom - y);
        for (int x = rect.left; x < rect.right; x += tile.cx) {
            const int width = std::min(tile.cx, rect.right - x);
            dc->BitBlt(x, y, width, height, &bitmapDc, 0, 0, SRCCOPY);
        }
    }
}

HRGN CreateRegionFromBitmap(CBitmap* bitmap, COLORREF keyColor, CDC* referenceDc) {
    if (!HoldsPicture(bitmap)) {
        return nullptr;
    }
    const CSize size = BitmapSize(bitmap);
    CDC bitmapDc;
    bitmapDc.CreateCompatibleDC(referenceDc);
    bitmapDc.SelectObject(bitmap);

    // One rectangle per run of opaque pixels; runs end at the row's end.
    std::vector<CRect> runs;
    for (int y = 0; y < size.cy; ++y) {
        int runStart = -1;
        for (int x = 0; x <= size.cx; ++x) {
            const bool opaque = x < size.cx && bitmapDc.GetPixel(x, y) != keyColor;
            if (opaque && runStart < 0) {
                runStart = x;
            } else if (!opaque && runStart >= 0) {
                runs.emplace_back(runStart, y, x, y + 1);
                runStart = -1;
            }
        }
    }

    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    for (const CRect& run : runs) {
        CRgn piece;
        piece.CreateRectRgn(run.left, run.top, run.right, run.bottom);
        region.CombineRgn(&region, &piece, RGN_OR);
    }
    const HRGN result = region;
    region.Detach();
    return result;
}
