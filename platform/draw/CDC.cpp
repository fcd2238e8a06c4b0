// SPDX-License-Identifier: MIT
#include "platform/draw/CDC.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <optional>
#include <vector>

#include "platform/draw/CBitmap.h"
#include "platform/draw/CBrush.h"
#include "platform/draw/CFont.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/Resources.h"
#include "platform/draw/SystemColors.h"
#include "platform/draw/SystemMetrics.h"

namespace {

std::optional<QPainter::CompositionMode> ModeOf(DWORD rop) {
    switch (rop) {
    case SRCCOPY:
        return QPainter::CompositionMode_Source;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    default:
        return std::nullopt;
    }
}

// "&x" shows x and "&&" shows "&", as the platform's text output does without DT_NOPREFIX.
QString WithoutPrefixes(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            ++i;
            if (i == text.size()) {
                break;
            }
        }
        shown.append(text[i]);
    }
    return shown;
}

QString WithoutTrailingSpaces(QString line) {
    while (!line.isEmpty() && line.back() == QLatin1Char(' ')) {
        line.chop(1);
    }
    return line;
}

std::vector<QString> WrappedLines(const QString& paragraph, const QFont& font, int width) {
    std::vector<QString> lines;
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 0));
        lines.push_back(WithoutTrailingSpaces(paragraph.mid(line.textStart(), line.textLength())));
    }
    layout.endLayout();
    if (lines.empty()) {
        lines.emplace_back();
    }
    return lines;
}

std::vector<QString> LinesOf(const QString& text, UINT format, const QFont& font, int width) {
    if ((format & DT_SINGLELINE) != 0) {
        return {text};
    }
    std::vector<QString> lines;
    for (QString paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.endsWith(QLatin1Char('\r'))) {
            paragraph.chop(1);
        }
        if ((format & DT_WORDBREAK) != 0) {
            for (QString& line : WrappedLines(paragraph, font, width)) {
                lines.push_back(std::move(line));
            }
        } else {
            lines.push_back(paragraph);
        }
    }
    return lines;
}

QRect ToQRect(const CRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

}  // namespace

struct CDC::State {
    QPainter* painter = nullptr;
    std::shared_ptr<QImage> memory;  // the selected bitmap's pixels in a memory DC
    bool isMemory = false;
    // The selected bitmap's resource and the key its pixels had then (HandleObjects.h): kept here,
    // since the bitmap object may be deleted while selected.
    UINT memoryResourceId = 0;
    qint64 memoryResourceKey = 0;

    void SelectPixelsOf(HBITMAP selected) {
        bitmap = selected;
        memory = selected->pixels;
        memoryResourceId = selected->resourceId;
        memoryResourceKey = selected->resourceKey;
    }

    HBITMAP bitmap = nullptr;
    CBitmap* bitmapWrapper = nullptr;
    CBitmap defaultBitmap;  // the memory DC's own 1 x 1 bitmap
    CBitmap bitmapView;     // not owning: hands back a bitmap that was selected by handle

    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    CFont* fontWrapper = nullptr;
    CFont fontView;  // not owning: hands back a font that was selected by handle

    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;

    ~State() {
        bitmapView.Detach();
        fontView.Detach();
    }

    template <typename Draw>
    bool Paint(Draw&& draw) {
        if (painter != nullptr) {
            painter->save();
            draw(*painter);
            painter->restore();
            return true;
        }
        if (memory) {
            QPainter memoryPainter(memory.get());
            draw(memoryPainter);
            return true;
        }
        return false;
    }

    struct Pixels {
        const QImage* image;
        QTransform toImage;
    };
    std::optional<Pixels> ReadablePixels() const {
        if (memory) {
            return Pixels{memory.get(), QTransform()};
        }
        if (painter != nullptr && painter->isActive() && painter->paintEngine() != nullptr) {
            QPaintDevice* device = painter->paintEngine()->paintDevice();
            if (device != nullptr && device->devType() == QInternal::Image) {
                return Pixels{static_cast<const QImage*>(device), painter->deviceTransform()};
            }
        }
        return std::nullopt;
    }
};

CDC::CDC() : state_(std::make_unique<State>()) {}

CDC::~CDC() = default;

BOOL CDC::CreateCompatibleDC(CDC*) {
    if (state_->isMemory || state_->painter != nullptr) {
        return FALSE;
    }
    if (!state_->defaultBitmap.CreateCompatibleBitmap(this, 1, 1)) {
        return FALSE;
    }
    state_->isMemory = true;
    state_->SelectPixelsOf(state_->defaultBitmap);
    state_->bitmapWrapper = &state_->defaultBitmap;
    return TRUE;
}

CFont* CDC::SelectObject(CFont* font) {
    const HFONT handle = font != nullptr ? static_cast<HFONT>(*font) : nullptr;
    if (handle == nullptr) {
        return nullptr;
    }
    CFont* previous = state_->fontWrapper;
    if (previous == nullptr) {
        state_->fontView.Detach();
        state_->fontView.Attach(state_->font);
        previous = &state_->fontView;
    }
    state_->font = handle;
    state_->fontWrapper = font;
    return previous;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    const HBITMAP handle = bitmap != nullptr ? static_cast<HBITMAP>(*bitmap) : nullptr;
    if (!state_->isMemory || handle == nullptr || !handle->pixels) {
        return nullptr;
    }
    CBitmap* previous = state_->bitmapWrapper;
    if (previous == nullptr) {
        state_->bitmapView.Detach();
        state_->bitmapView.Attach(state_->bitmap);
        previous = &state_->bitmapView;
    }
    state_->SelectPixelsOf(handle);
    state_->bitmapWrapper = bitmap;
    return previous;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) {
    if (auto* font = dynamic_cast<HFONT>(object)) {
        const HFONT previous = state_->font;
        state_->font = font;
        state_->fontWrapper = nullptr;
        return previous;
    }
    if (auto* bitmap = dynamic_cast<HBITMAP>(object); bitmap != nullptr && state_->isMemory && bitmap->pixels) {
        const HBITMAP previous = state_->bitmap;
        state_->SelectPixelsOf(bitmap);
        state_->bitmapWrapper = nullptr;
        return previous;
    }
    return nullptr;
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(state_->textColor, color & 0x00FFFFFFu);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(state_->bkColor, color & 0x00FFFFFFu);
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) {
        return 0;
    }
    return std::exchange(state_->bkMode, mode);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop) {
    return StretchBlt(x, y, width, height, source, xSource, ySource, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int widthSource,
                     int heightSource, DWORD rop) {
    const auto mode = ModeOf(rop);
    if (!mode || source == nullptr || width <= 0 || height <= 0 || widthSource <= 0 || heightSource <= 0) {
        return FALSE;
    }
    const auto pixels = source->state_->ReadablePixels();
    if (!pixels) {
        return FALSE;
    }
    const QRect asked = pixels->toImage.mapRect(QRect(xSource, ySource, widthSource, heightSource));
    const QRect available = asked.intersected(pixels->image->rect());
    if (available.isEmpty()) {
        return TRUE;
    }
    // Straight from the source's pixels, unless a DC blits from its own pixels or from a surface
    // with alpha (raster operations work on opaque RGB32).
    const auto destination = state_->ReadablePixels();
    const bool ownPixels = destination && destination->image == pixels->image;
    QImage block;
    QRect blockArea = available;
    if (ownPixels || pixels->image->format() != QImage::Format_RGB32) {
        block = pixels->image->copy(available).convertToFormat(QImage::Format_RGB32);
        blockArea = block.rect();
    }
    const double scaleX = static_cast<double>(width) / asked.width();
    const double scaleY = static_cast<double>(height) / asked.height();
    const QRectF target(x + (available.left() - asked.left()) * scaleX, y + (available.top() - asked.top()) * scaleY,
                        available.width() * scaleX, available.height() * scaleY);
    const QImage* picture = block.isNull() ? pixels->image : &block;
    QRectF pictureArea(blockArea);
    // Only a dense painter reads the picture's twin: on an ordinary screen it is never decoded.
    const bool densePainter = state_->painter != nullptr && TargetPixelRatio(*state_->painter) > 1;
    if (const QImage* dense = densePainter && block.isNull() ? source->HighDensityPixels() : nullptr) {
        picture = dense;
        pictureArea = QRectF(blockArea.topLeft() * 2, blockArea.size() * 2);
    }
    return state_->Paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.setCompositionMode(*mode);
        painter.drawImage(target, *picture, pictureArea);
    })
               ? TRUE
               : FALSE;
}

const QImage* CDC::HighDensityPixels() const {
    if (!state_->isMemory || state_->memoryResourceId == 0 || state_->memory->cacheKey() != state_->memoryResourceKey) {
        return nullptr;
    }
    const QImage& dense = HighDensityBitmap(state_->memoryResourceId);
    return dense.size() == state_->memory->size() * 2 ? &dense : nullptr;
}

COLORREF CDC::GetPixel(int x, int y) const {
    const auto pixels = state_->ReadablePixels();
    if (!pixels) {
        return CLR_INVALID;
    }
    const QPoint point = pixels->toImage.map(QPoint(x, y));
    if (!pixels->image->rect().contains(point)) {
        return CLR_INVALID;
    }
    return ToColorRef(pixels->image->pixelColor(point));
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    state_->Paint([&](QPainter& painter) { painter.fillRect(ToQRect(rect), ToQColor(color)); });
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color) {
    FillSolidRect(CRect(x, y, x + width, y + height), color);
}

void CDC::FillRect(const CRect* rect, CBrush* brush) {
    FillRect(rect, brush != nullptr ? static_cast<HBRUSH>(*brush) : nullptr);
}

void CDC::FillRect(const CRect* rect, HBRUSH brush) {
    if (rect != nullptr && brush != nullptr && !brush->hollow) {
        FillSolidRect(*rect, brush->color);
    }
}

int CDC::DrawText(const std::string& text, CRect* rect, UINT format) {
    if (rect == nullptr) {
        return 0;
    }
    const QFont& font = state_->font->Font();
    const QFontMetrics metrics(font);
    const std::vector<QString> lines =
        LinesOf(WithoutPrefixes(QString::fromStdString(text)), format, font, rect->Width());
    const int lineHeight = metrics.height();
    const int textHeight = lineHeight * static_cast<int>(lines.size());

    int top = rect->top;
    if ((format & DT_SINGLELINE) != 0 && (format & DT_VCENTER) != 0) {
        top = rect->top + (rect->Height() - lineHeight) / 2;
    }
    state_->Paint([&](QPainter& painter) {
        painter.setClipRect(ToQRect(*rect), Qt::IntersectClip);
        painter.setFont(font);
        painter.setPen(ToQColor(state_->textColor));
        int lineTop = top;
        for (const QString& line : lines) {
            const int width = metrics.horizontalAdvance(line);
            int left = rect->left;
            if ((format & DT_CENTER) != 0) {
                left = rect->left + (rect->Width() - width) / 2;
            } else if ((format & DT_RIGHT) != 0) {
                left = rect->right - width;
            }
            if (state_->bkMode == OPAQUE) {
                painter.fillRect(QRect(left, lineTop, width, lineHeight), ToQColor(state_->bkColor));
            }
            painter.drawText(QPoint(left, lineTop + metrics.ascent()), line);
            lineTop += lineHeight;
        }
    });
    return top - rect->top + textHeight;
}

int CDC::DrawText(const std::string& text, const CRect& rect, UINT format) {
    CRect copy = rect;
    return DrawText(text, &copy, format);
}

CSize CDC::GetTextExtent(const std::string& text) const {
    const QFontMetrics metrics(state_->font->Font());
    return CSize(metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height());
}

BOOL CDC::DrawEdge(CRect* rect, UINT edge, UINT flags) {
    if (rect == nullptr) {
        return FALSE;
    }
    struct Border {
        UINT raised;
        UINT sunken;
        int raisedTopLeft, raisedBottomRight, sunkenTopLeft, sunkenBottomRight;
    };
    const Border outer{BDR_RAISEDOUTER,  BDR_SUNKENOUTER, COLOR_3DLIGHT,
                       COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT};
    const Border inner{BDR_RAISEDINNER, BDR_SUNKENINNER,  COLOR_BTNHIGHLIGHT,
                       COLOR_BTNSHADOW, COLOR_3DDKSHADOW, COLOR_3DLIGHT};
    return state_->Paint([&](QPainter& painter) {
        QRect area = ToQRect(*rect);
        for (const Border& border : {outer, inner}) {
            if ((edge & (border.raised | border.sunken)) != 0 && area.width() > 0 && area.height() > 0) {
                const bool raised = (edge & border.raised) != 0;
                const QColor topLeft = ToQColor(GetSysColor(raised ? border.raisedTopLeft : border.sunkenTopLeft));
                const QColor bottomRight =
                    ToQColor(GetSysColor(raised ? border.raisedBottomRight : border.sunkenBottomRight));
                // The bottom and right lines run the full length and so own the far corners.
                if ((flags & BF_TOP) != 0) {
                    painter.fillRect(QRect(area.left(), area.top(), area.width() - 1, 1), topLeft);
                }
                if ((flags & BF_LEFT) != 0) {
                    painter.fillRect(QRect(area.left(), area.top(), 1, area.height() - 1), topLeft);
                }
                if ((flags & BF_BOTTOM) != 0) {
                    painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), bottomRight);
                }
                if ((flags & BF_RIGHT) != 0) {
                    painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), bottomRight);
                }
            }
            area.adjust(1, 1, -1, -1);
        }
    })
               ? TRUE
               : FALSE;
}

void CDC::DrawFocusRect(const CRect* rect) {
    if (rect == nullptr || rect->IsRectEmpty()) {
        return;
    }
    QPolygon dots;
    const auto addDot = [&](int x, int y) {
        if ((x - rect->left + y - rect->top) % 2 == 0) {
            dots << QPoint(x, y);
        }
    };
    for (int x = rect->left; x < rect->right; ++x) {
        addDot(x, rect->top);
        if (rect->bottom - 1 > rect->top) {
            addDot(x, rect->bottom - 1);
        }
    }
    for (int y = rect->top + 1; y < rect->bottom - 1; ++y) {
        addDot(rect->left, y);
        if (rect->right - 1 > rect->left) {
            addDot(rect->right - 1, y);
        }
    }
    state_->Paint([&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 0));
        painter.drawPoints(dots);
    });
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    if (icon == nullptr || icon->Icon().isNull()) {
        return FALSE;
    }
    const QSize size(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    return state_->Paint([&](QPainter& painter) { icon->Icon().paint(&painter, QRect(QPoint(x, y), size)); }) ? TRUE
                                                                                                              : FALSE;
}

void CDC::AttachPainter(QPainter* painter) {
    state_->painter = painter;
}

void CDC::DetachPainter() {
    state_->painter = nullptr;
}
