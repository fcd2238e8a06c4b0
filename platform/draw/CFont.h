// SPDX-License-Identifier: MIT
#pragma once
// A font made from a LOGFONT. Faces resolve through fontconfig when text is drawn, so "Arial"
// becomes Liberation Sans (same metrics); an empty face resolves like "Arial". A positive height
// is the cell height (ascent + descent) in pixels, a negative one the character (em) height, and
// 0 the default character height of 13 pixels. Width, escapement, orientation, character set,
// precisions, quality and pitch-and-family are kept in the description but do not change the face.

#include <string>

#include "platform/draw/CGdiObject.h"
#include "platform/draw/LogFont.h"

inline constexpr LONG DEFAULT_FONT_PIXELS = 13;

class CFont : public CGdiObject {
public:
    operator HFONT() const;

    BOOL CreateFontIndirect(const LOGFONT* logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, const std::string& faceName);
};

HFONT CreateFontIndirect(const LOGFONT* logFont);

// Reads the desktop's font database on the background worker (BackgroundWork.h), so that the first
// window's fonts, looked up when it comes on screen, find it ready.
void ReadFontDatabaseInBackground();
