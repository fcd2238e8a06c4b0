// SPDX-License-Identifier: MIT
#pragma once
// What a widget's window has put on the screen so far, without painting anything anew: a change
// that is only scheduled to be painted does not show here until the event loop runs.

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

inline QImage OnScreen(QWidget& widget) {
    QWidget* window = widget.window();
    const QRect area(widget.mapTo(window, QPoint(0, 0)), widget.size());
    return window->screen()
        ->grabWindow(window->winId(), area.x(), area.y(), area.width(), area.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// How many pixels of `image` have `colour`, each of red, green and blue within `tolerance` of it
// (small text is smoothed: few of its pixels have the text colour exactly).
inline int CountOf(const QImage& image, QRgb colour, int tolerance = 0) {
    const auto near = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += near(qRed(pixel), qRed(colour)) && near(qGreen(pixel), qGreen(colour)) &&
                             near(qBlue(pixel), qBlue(colour))
                         ? 1
                         : 0;
        }
    }
    return count;
}
