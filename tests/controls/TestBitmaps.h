// SPDX-License-Identifier: MIT
#pragma once
// A plain canvas to draw on in drawing tests, and the colours of the test bitmaps drawn into it.

#include <QImage>
#include <QRect>

// Pixel (x, y) of kGradient.
constexpr QRgb Gradient(int x, int y) {
    return qRgb(x * 8, y * 12, 200);
}

// An image of one colour in the format the windows are drawn in.
struct Canvas {
    Canvas(int width, int height, QRgb colour) : image(width, height, QImage::Format_RGB32) { image.fill(colour); }

    QRgb At(int x, int y) const { return image.pixel(x, y); }

    // How many pixels within `area` have `colour`.
    int Count(QRgb colour, const QRect& area) const {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += At(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }
    int Count(QRgb colour) const { return Count(colour, image.rect()); }

    QImage image;
};
