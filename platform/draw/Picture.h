// SPDX-License-Identifier: MIT
#pragma once
// A bitmap resource as the game's windows draw it: its pixels at its own size, and from its twin at
// twice the density wherever it lands on a dense screen.

#include <QImage>
#include <QRectF>

class QPainter;

class Picture {
public:
    Picture() = default;
    // Bitmap resource `id`; null when the resource is missing (or `id` is 0).
    explicit Picture(unsigned id);

    bool IsNull() const { return pixels_.isNull(); }
    QSize Size() const { return pixels_.size(); }
    unsigned Id() const { return id_; }
    // The picture's own pixels, for reading and for raster operations.
    const QImage& Pixels() const { return pixels_; }

    // Draws `source` (in the picture's own pixels) into `target`, without smoothing.
    void Draw(QPainter& painter, const QRectF& target, const QRectF& source) const;

private:
    unsigned id_ = 0;
    QImage pixels_;
};
