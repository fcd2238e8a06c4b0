// SPDX-License-Identifier: MIT
#pragma once
// The program's own resources by numeric id, compiled in with Qt's resource system:
//   :/bitmaps/ID.png (and ID@2x.png at twice the density), :/sounds/ID.wav, :/cursors/ID.png (hot spots in
//   :/cursors/hotspots.txt, lines "ID X Y"), :/icons/ID-*.png (one file per size), :/strings/strings.txt (lines "ID
//   text").
// A missing resource gives a null handle or an empty result, never an error.

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <set>
#include <string>
#include <vector>

#include "platform/GdiHandles.h"

// The picture at its own size in RGB32; the caller owns it (DeleteObject). LoadImage with
// IMAGE_BITMAP, zero size and LR_DEFAULTCOLOR.
HBITMAP LoadBitmapResource(UINT id);
// The picture drawn at twice the density, decoded once at its first use (only a screen that asks
// for it pays for it); null when the resource has none.
const QImage& HighDensityBitmap(UINT id);
// The pixel ratio of what `painter` draws into: the screen's for a window on it, the image's for a
// window rendered into an image.
qreal TargetPixelRatio(const QPainter& painter);
// The pictures whose twins have been read so far.
std::set<UINT> HighDensityBitmapsRead();
// Decodes these bitmap resources on a worker thread, in this order, so that the windows shown first
// find their pictures ready while the program sets itself up. A load of one the worker is decoding
// waits for it; of one it has not begun, decodes it at once. Only once the application object
// exists: image reading consults its plugin paths.
void PrefetchBitmapResources(const std::vector<UINT>& ids);
// Shared for the whole program (never deleted), like the framework's LoadCursor / LoadIcon.
HCURSOR LoadCursorResource(UINT id);
HICON LoadIconResource(UINT id);
// IDC_ARROW, IDC_WAIT or IDC_HAND (the desktop's pointing hand); null for any other id.
HCURSOR LoadStandardCursor(UINT id);
// The bytes of the wave file (RIFF header included); empty when missing.
QByteArray LoadWaveResource(UINT id);
// Entry `id` of the string table; empty when missing.
std::string LoadStringResource(UINT id);
