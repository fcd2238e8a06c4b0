// SPDX-License-Identifier: MIT
#pragma once
// The program's own resources by numeric id, compiled in with Qt's resource system:
//   :/bitmaps/ID.png (and ID@2x.png at twice the density), :/sounds/ID.wav, :/cursors/ID.png (hot spots in
//   :/cursors/hotspots.txt, lines "ID X Y"), :/icons/ID-*.png (one file per size), :/strings/strings.txt (lines "ID
//   text").
// A missing resource gives a null or empty result, never an error.

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <set>
#include <string>
#include <vector>

class QPainter;

// The picture at its own size in RGB32, decoded once and shared.
QImage BitmapResource(unsigned id);
// The picture drawn at twice the density, decoded at its first use (only a dense painter asks for
// it); null when the resource has none.
const QImage& HighDensityBitmap(unsigned id);
// The pictures whose twins have been read so far.
std::set<unsigned> HighDensityBitmapsRead();
// The pixel ratio of what `painter` draws into: the screen's for a window on it, the image's for a
// window rendered into an image.
qreal TargetPixelRatio(const QPainter& painter);
// Decodes these bitmap resources on the background worker, in this order, so that the windows shown
// first find their pictures ready while the program sets itself up. A load of one the worker is
// decoding waits for it; of one it has not begun, decodes it at once. Only once the application
// object exists: image reading consults its plugin paths.
void PrefetchBitmapResources(const std::vector<unsigned>& ids);

// Shared for the whole program; a null cursor or icon when missing. A cursor is `scale` times its
// own size, with its hot spot, for a window shown that much larger; from its twin above 1.5.
QCursor CursorResource(unsigned id, qreal scale = 1);
QIcon IconResource(unsigned id);
// The bytes of the wave file (RIFF header included); empty when missing.
QByteArray WaveResource(unsigned id);
// Entry `id` of the string table; empty when missing.
std::string StringResource(unsigned id);
