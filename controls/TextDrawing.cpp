// SPDX-License-Identifier: MIT
#include "controls/TextDrawing.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <map>
#include <tuple>
#include <vector>

namespace {

constexpr int kDefaultFontPixels = 13;

// The cell grows with the em; the first guess is the em of that height, then a walk by single
// pixels (each size measured costs a font engine, so as few as possible).
int EmPixelsForCellHeight(QFont font, int cellHeight) {
    const auto heightAt = [&font](int em) {
        font.setPixelSize(em);
        return QFontMetrics(font).height();
    };
    int em = std::max(1, cellHeight * cellHeight / std::max(1, heightAt(cellHeight)));
    while (em > 1 && heightAt(em) > cellHeight) {
        --em;
    }
    while (heightAt(em + 1) <= cellHeight) {
        ++em;
    }
    return em;
}

QFont ResolveFont(const QString& face, int height, int weight, qreal scale) {
    QFont font(face);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight == 0 ? 400 : weight, 100, 900)));
    font.setKerning(false);
    const auto scaled = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
    if (height > 0) {
        font.setPixelSize(EmPixelsForCellHeight(font, scaled(height)));
    } else {
        font.setPixelSize(scaled(height < 0 ? std::min(-height, 10000) : kDefaultFontPixels));
    }
    return font;
}

QString WithoutPrefixes(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size()) {
            break;
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

void AppendWrapped(std::vector<QString>& lines, const QString& paragraph, const QFont& font, int width) {
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    bool any = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 0));
        lines.push_back(WithoutTrailingSpaces(paragraph.mid(line.textStart(), line.textLength())));
        any = true;
    }
    layout.endLayout();
    if (!any) {
        lines.emplace_back();
    }
}

std::vector<QString> LinesOf(const QString& text, TextFlags flags, const QFont& font, int width) {
    if (flags.testFlag(TextFlag::SingleLine)) {
        return {text};
    }
    std::vector<QString> lines;
    for (QString paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.endsWith(QLatin1Char('\r'))) {
            paragraph.chop(1);
        }
        if (flags.testFlag(TextFlag::WordBreak)) {
            AppendWrapped(lines, paragraph, font, width);
        } else {
            lines.push_back(paragraph);
        }
    }
    return lines;
}

QFont CaptionFont(int pixelSize) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(pixelSize, 1));
    font.setBold(true);
    // Kerned, whatever the widget's font (the dialogs' fonts are not): the lettering is the pictures'.
    font.setKerning(true);
    // Unhinted outlines: the letters keep their shapes at any density.
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// How many lines of `font` the height of `box` holds (at least one).
std::size_t LinesHeld(const QRectF& box, const QFontMetricsF& metrics) {
    return static_cast<std::size_t>(1 + std::max(0.0, (box.height() - metrics.height()) / metrics.lineSpacing()));
}

// The lines of `text` that fit `box`: as given when each fits its width; else wrapped at words,
// keeping as many lines as the height holds and eliding the rest into the last.
QString FittedCaption(const QString& text, const QRectF& box, const QFont& font) {
    const QFontMetricsF metrics(font);
    const QStringList given = text.split(QLatin1Char('\n'));
    const auto fits = [&](const QString& line) { return metrics.horizontalAdvance(line) <= box.width(); };
    if (std::all_of(given.begin(), given.end(), fits)) {
        return text;
    }
    std::vector<QString> lines;
    for (const QString& paragraph : given) {
        AppendWrapped(lines, paragraph, font, static_cast<int>(box.width()));
    }
    const std::size_t room = LinesHeld(box, metrics);
    if (lines.size() > room) {
        QStringList rest(lines.begin() + static_cast<std::ptrdiff_t>(room) - 1, lines.end());
        lines.resize(room);
        lines.back() = rest.join(QLatin1Char(' '));
    }
    QStringList shown;
    for (const QString& line : lines) {
        shown.append(metrics.elidedText(line, Qt::ElideRight, box.width()));
    }
    return shown.join(QLatin1Char('\n'));
}

}  // namespace

const QFont& FontByHeight(const QString& face, int height, int weight, qreal scale) {
    // The skin buttons ask for their caption font at every paint.
    static auto* resolved = new std::map<std::tuple<QString, int, int, qreal>, QFont>;
    const auto key = std::make_tuple(face, height, weight, scale);
    auto found = resolved->find(key);
    if (found == resolved->end()) {
        found = resolved->emplace(key, ResolveFont(face, height, weight, scale)).first;
    }
    return found->second;
}

void DrawTextInRect(QPainter& painter, const QString& text, const QRect& rect, TextFlags flags, const QFont& font,
                    const QColor& color, std::optional<QColor> background) {
    const QFontMetrics metrics(font);
    const std::vector<QString> lines = LinesOf(WithoutPrefixes(text), flags, font, rect.width());
    const int lineHeight = metrics.height();
    int top = rect.top();
    if (flags.testFlag(TextFlag::SingleLine) && flags.testFlag(TextFlag::VerticalCentre)) {
        top += (rect.height() - lineHeight) / 2;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(color);
    for (const QString& line : lines) {
        const int width = metrics.horizontalAdvance(line);
        int left = rect.left();
        if (flags.testFlag(TextFlag::Centre)) {
            left += (rect.width() - width) / 2;
        } else if (flags.testFlag(TextFlag::Right)) {
            left = rect.left() + rect.width() - width;
        }
        if (background) {
            painter.fillRect(QRect(left, top, width, lineHeight), *background);
        }
        painter.drawText(QPoint(left, top + metrics.ascent()), line);
        top += lineHeight;
    }
    painter.restore();
}

bool CaptionFits(const QString& text, const QRect& box, const CaptionStyle& style) {
    const QFontMetricsF metrics(CaptionFont(style.pixelSize));
    const QStringList lines = text.split(QLatin1Char('\n'));
    return static_cast<std::size_t>(lines.size()) <= LinesHeld(box, metrics) &&
           std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return metrics.horizontalAdvance(line) <= box.width(); });
}

void DrawCaption(QPainter& painter, const QString& text, const QRect& box, const CaptionStyle& style) {
    const QFont font = CaptionFont(style.pixelSize);
    const QRectF area(box);
    const QString shown = FittedCaption(text, area, font);
    painter.save();
    painter.setClipRect(box.adjusted(0, 0, 0, 1), Qt::IntersectClip);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(style.shadow);
    painter.drawText(area.translated(0, 1), Qt::AlignCenter, shown);
    painter.setPen(style.ink);
    painter.drawText(area, Qt::AlignCenter, shown);
    painter.restore();
}
