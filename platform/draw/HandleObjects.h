// SPDX-License-Identifier: MIT
#pragma once
// What the drawing handles point at, for the parts of the layer that hand them to Qt
// (window regions, icons, cursors, a static's picture, a widget's font). Game code uses only the
// handles of GdiHandles.h.

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QRegion>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/GdiHandles.h"
#include "platform/draw/LogFont.h"

struct GdiObject {
    GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    virtual ~GdiObject() = default;
    bool stock = false;  // owned by the layer: DeleteObject refuses it
};

// Pixels in Format_RGB32. A memory DC that selects the bitmap shares the same image, so deleting
// the handle while it is still selected cannot leave the DC drawing into freed memory.
// A bitmap loaded from resource `resourceId` (0 for any other) still shows that resource's picture
// while its pixels keep the cache key they had when loaded (drawing into a QImage changes its key),
// so that a screen of higher density can be given the resource's @2x picture instead.
struct BitmapObject final : GdiObject {
    std::shared_ptr<QImage> pixels;
    UINT resourceId = 0;
    qint64 resourceKey = 0;
};

struct BrushObject final : GdiObject {
    COLORREF color = 0;
    bool hollow = false;  // the stock NULL_BRUSH: fills nothing
};

// A font is looked up in the font database when it is first drawn with or measured, not when it is
// created: building a window's fonts never waits for the database (see CFont).
struct FontObject final : GdiObject {
    explicit FontObject(const LOGFONT& description) : logFont_(description) {}
    // A font whose height is measured only when it is first needed.
    FontObject(const LOGFONT& description, std::function<LONG()> measureHeight)
        : logFont_(description), measureHeight_(std::move(measureHeight)) {}

    const LOGFONT& LogFont() const;
    const QFont& Font() const;

private:
    mutable LOGFONT logFont_;
    mutable std::function<LONG()> measureHeight_;
    mutable std::optional<QFont> font_;
};

struct RegionObject final : GdiObject {
    QRegion region;
};

// An icon's pictures are read when it is first drawn or shown, not when it is loaded.
class IconObject {
public:
    explicit IconObject(QStringList files) : files_(std::move(files)) {}
    const QIcon& Icon() const;

private:
    QStringList files_;
    mutable QIcon icon_;
};

struct CursorObject {
    QCursor cursor;
};

// The QColor of a COLORREF.
QColor ToQColor(COLORREF color);
COLORREF ToColorRef(QColor color);
