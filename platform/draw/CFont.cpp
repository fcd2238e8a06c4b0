// SPDX-License-Identifier: MIT
#include "platform/draw/CFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "platform/draw/BackgroundWork.h"
#include "platform/draw/HandleObjects.h"

namespace {

// Windows matches a positive height against the cell height (ascent + descent); Qt sizes fonts
// by their em. Take the largest em whose cell is not taller than asked for.
int EmPixelsForCellHeight(QFont font, int cellHeight) {
    const auto heightAt = [&font](int em) {
        font.setPixelSize(em);
        return QFontMetrics(font).height();
    };
    // The cell grows with the em; the first guess is the em of that height, then a walk by single
    // pixels (each size measured costs a font engine, so as few as possible).
    int em = std::max(1, cellHeight * cellHeight / std::max(1, heightAt(cellHeight)));
    while (em > 1 && heightAt(em) > cellHeight) {
        --em;
    }
    while (heightAt(em + 1) <= cellHeight) {
        ++em;
    }
    return em;
}

QFont ResolveFont(const LOGFONT& description) {
    // An empty face lets the mapper choose; "Arial" gives the same metrics everywhere here.
    QFont font(QString::fromStdString(description.lfFaceName.empty() ? "Arial" : description.lfFaceName));
    const LONG weight = description.lfWeight == 0 ? FW_NORMAL : std::clamp<LONG>(description.lfWeight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(description.lfItalic != 0);
    font.setUnderline(description.lfUnderline != 0);
    font.setStrikeOut(description.lfStrikeOut != 0);
    font.setKerning(false);
    if (description.lfHeight > 0) {
        font.setPixelSize(EmPixelsForCellHeight(font, static_cast<int>(description.lfHeight)));
    } else if (description.lfHeight < 0) {
        font.setPixelSize(static_cast<int>(std::min<LONG>(-description.lfHeight, 10000)));
    } else {
        font.setPixelSize(static_cast<int>(DEFAULT_FONT_PIXELS));
    }
    return font;
}

// The mapper's answer for a description never changes, and the skin buttons ask for their caption
// font at every paint: each description is resolved once.
const QFont& ResolvedFont(const LOGFONT& description) {
    using Key = std::tuple<std::string, LONG, LONG, BYTE, BYTE, BYTE>;
    static auto* resolved = new std::map<Key, QFont>;
    const Key key{description.lfFaceName, description.lfHeight,    description.lfWeight,
                  description.lfItalic,   description.lfUnderline, description.lfStrikeOut};
    auto found = resolved->find(key);
    if (found == resolved->end()) {
        found = resolved->emplace(key, ResolveFont(description)).first;
    }
    return found->second;
}

}  // namespace

const LOGFONT& FontObject::LogFont() const {
    if (measureHeight_) {
        logFont_.lfHeight = std::exchange(measureHeight_, nullptr)();
    }
    return logFont_;
}

const QFont& FontObject::Font() const {
    if (!font_) {
        font_ = ResolvedFont(LogFont());
    }
    return *font_;
}

void ReadFontDatabaseInBackground() {
    RunInBackground([] { QFontDatabase::families(); });
}

HFONT CreateFontIndirect(const LOGFONT* logFont) {
    return logFont != nullptr ? new FontObject(*logFont) : nullptr;
}

CFont::operator HFONT() const {
    return dynamic_cast<HFONT>(m_hObject);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    return Attach(::CreateFontIndirect(logFont));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                       BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                       BYTE pitchAndFamily, const std::string& faceName) {
    LOGFONT description;
    description.lfHeight = height;
    description.lfWidth = width;
    description.lfEscapement = escapement;
    description.lfOrientation = orientation;
    description.lfWeight = weight;
    description.lfItalic = italic;
    description.lfUnderline = underline;
    description.lfStrikeOut = strikeOut;
    description.lfCharSet = charSet;
    description.lfOutPrecision = outPrecision;
    description.lfClipPrecision = clipPrecision;
    description.lfQuality = quality;
    description.lfPitchAndFamily = pitchAndFamily;
    description.lfFaceName = faceName;
    return CreateFontIndirect(&description);
}
