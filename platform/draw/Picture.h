// SPDX-License-Identifier: MIT
#pragma once
// A bitmap resource as the game's windows draw it: its own pixels where they land one to one on the
// screen, its twin at twice the density wherever the window's scale factor times the screen's density
// exceeds 1; resampled smoothly at any ratio but one to one.

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

    // Draws `source` (in the picture's own pixels) into `target`.
    void Draw(QPainter& painter, const QRectF& target, const QRectF& source) const;

private:
    unsigned id_ = 0;
    QImage pixels_;
};
