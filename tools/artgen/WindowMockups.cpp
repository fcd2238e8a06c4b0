// SPDX-License-Identifier: MIT
#include "tools/artgen/Preview.h"

#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/DialogLayout.h"

#include "controls/TextDrawing.h"
#include "dialogs/ButtonLettering.h"

#include <QDir>
#include <QPainter>

#include <array>
#include <utility>

namespace artgen {

namespace {

// A skin button draws its picture 1:1 from the control's top-left corner, cut at the control's edge.
void placePicture(QPainter& painter, const QImage& picture, const QRect& control) {
    painter.save();
    painter.setClipRect(control);
    painter.drawImage(control.topLeft(), picture);
    painter.restore();
}

// A picture button as the game shows it: the picture, then its words over it in its lettering.
void placeButton(QPainter& painter, const QImage& picture, const QRect& control, const QString& words,
                 const QRect& body, const CaptionStyle& lettering) {
    placePicture(painter, picture, control);
    painter.save();
    painter.setClipRect(control);
    DrawCaption(painter, words, body.translated(control.topLeft()), lettering);
    painter.restore();
}

// The game's captions: Arial (here Liberation Sans) of a pixel height, weight 500, centred.
void drawCaption(QPainter& painter, const QRect& box, const QString& text, int height) {
    painter.save();
    painter.setFont(artFont(height, QFont::Medium));
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

// A colour label: white text on the grey strip the dialogs give their labels.
void drawLabel(QPainter& painter, const QRect& box, const QString& text) {
    painter.fillRect(box, QColor(150, 150, 150));
    painter.setFont(artFont(11, QFont::Normal));
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}

void drawEditBox(QPainter& painter, const QRect& box, const QString& text, int textHeight) {
    painter.fillRect(box, Qt::white);
    painter.setPen(QColor(105, 105, 105));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setFont(artFont(textHeight, QFont::Normal));
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(3, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

QImage windowOver(const QImage& background, QSize client) {
    return background.copy(QRect(QPoint(0, 0), client)).convertToFormat(QImage::Format_RGB32);
}

const std::array<QString, 4> rangeWords{QStringLiteral("0 to 10"), QStringLiteral("0 to 25"),
                                        QStringLiteral("-10 to 10"), QStringLiteral("-25 to 25")};
const std::array<QString, 4> opponentWords{QStringLiteral("Novice\nComputer"), QStringLiteral("Intermediate\nComputer"),
                                           QStringLiteral("Expert\nComputer"), QStringLiteral("Person")};

// A small game in progress: player 1 has just completed the diagonal, player 2 holds a few cells.
struct SampleCell {
    int owner;
    int number;
    bool marked;
};

constexpr std::array<SampleCell, 25> sampleBoard{{
    {1, -25, true}, {0, 13, false}, {2, 7, false},   {0, -4, false},  {0, 22, false},  {2, -18, false}, {1, 9, true},
    {0, 0, false},  {2, 25, false}, {0, -11, false}, {0, 5, false},   {0, -20, false}, {1, 17, true},   {0, 3, false},
    {0, -8, false}, {1, 24, false}, {0, -1, false},  {2, -13, false}, {0, 10, false},  {0, 6, false},   {0, -16, false},
    {0, 19, false}, {0, -7, false}, {2, 12, false},  {0, -25, false},
}};

}  // namespace

QImage boardMockup(const BitmapSet& bitmaps) {
    using namespace layout::board;
    QImage image = windowOver(bitmaps.at(218), client);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const int side = cellArea.width();
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            const SampleCell& sample = sampleBoard[static_cast<std::size_t>(row * 5 + col)];
            const QRect cellRect(cell(col, row), QSize(side, side));
            const QString caption = QString::number(sample.number);
            if (sample.owner == 0) {
                placePicture(painter, bitmaps.at(152), cellRect);
                drawCaption(painter, cellRect.adjusted(side / 6, side / 6, -side / 6, -side / 6), caption, 30);
                continue;
            }
            const int id = sample.marked ? (sample.owner == 1 ? 300 : 289) : (sample.owner == 1 ? 178 : 179);
            placePicture(painter, bitmaps.at(id), cellRect);
            const QRect numberStrip(cellRect.right() + 1 - side / 2, cellRect.top() + 8, side / 2, side / 5);
            drawCaption(painter, numberStrip, caption, 15);
        }
    }

    placeButton(painter, bitmaps.at(219), QRect(menuButton, QSize(192, 54)), QStringLiteral("Options"),
                lettering::actionBody, lettering::steelAction);
    painter.drawImage(emblem, bitmaps.at(278));

    const std::array<QString, 2> names{QStringLiteral("X-Player"), QStringLiteral("Computer 2")};
    const std::array<int, 2> scores{1, 12};
    for (std::size_t player = 0; player < 2; ++player) {
        const QImage& plate = bitmaps.at(player == 0 ? 221 : 222);
        const QRect nameControl(namePlate[player], QSize(110, 36));
        const QRect scoreControl(scorePlate[player], QSize(110, 36));
        placePicture(painter, plate, nameControl);
        placePicture(painter, plate, scoreControl);
        const QString name = QString::asprintf("%14s", names[player].toLatin1().constData());
        drawCaption(painter, QRect(nameControl.topLeft(), QSize(106, 36)), name, 13);
        drawCaption(painter, QRect(scoreControl.topLeft(), QSize(106, 36)), QString::asprintf("%8d", scores[player]),
                    13);
    }

    // The lists: right-aligned rows of cellHeight / 5 pixels on an opaque white background.
    painter.setFont(artFont(side * 18 / 100, QFont::Normal));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const std::array<QString, 2> lines{QStringLiteral("%1 + %2 + %3 = %4").arg(17, 3).arg(9, 3).arg(-25, 3).arg(1, 3),
                                       QStringLiteral("%1 + %2 + %3 = %4").arg(-13, 3).arg(25, 3).arg(0, 3).arg(12, 3)};
    for (std::size_t player = 0; player < 2; ++player) {
        const QRect panel = list[player].adjusted(2, 2, -4, -2);
        painter.setPen(player == 0 ? QColor(64, 64, 194) : QColor(194, 64, 64));
        painter.drawText(QRect(panel.left(), panel.top(), panel.width(), side / 5), Qt::AlignRight | Qt::AlignTop,
                         lines[player]);
    }
    return image;
}

QImage menuMockup(const BitmapSet& bitmaps) {
    using namespace layout::menu;
    QImage image = windowOver(bitmaps.at(244), client);
    QPainter painter(&image);
    const QSize action(192, 54);
    const QRect actionBody = lettering::actionBody;
    placeButton(painter, bitmaps.at(237), QRect(highScores, action), QStringLiteral("High Scores"), actionBody,
                lettering::steelAction);
    placeButton(painter, bitmaps.at(167), QRect(startNewGame, action), QStringLiteral("Start New Game"), actionBody,
                lettering::steelAction);
    placeButton(painter, bitmaps.at(163), QRect(quitGame, action), QStringLiteral("Quit Game"), actionBody,
                lettering::leaveAction);
    placeButton(painter, bitmaps.at(168), QRect(about, action), QStringLiteral("About"), actionBody,
                lettering::steelAction);
    placeButton(painter, bitmaps.at(259), QRect(sound, QSize(192, 66)), QStringLiteral("Sound On"),
                lettering::soundWords, lettering::soundOn);
    placeButton(painter, bitmaps.at(230), QRect(ok, QSize(192, 56)), QStringLiteral("OK"), actionBody,
                lettering::steelAction);
    painter.setPen(Qt::black);
    painter.drawRect(QRect(QPoint(0, 0), client).adjusted(0, 0, -1, -1));
    return image;
}

QImage challengeMockup(const BitmapSet& bitmaps) {
    using namespace layout::challenge;
    QImage image = windowOver(bitmaps.at(262), client);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    placePicture(painter, bitmaps.at(292), question);
    drawCaption(painter, question, QStringLiteral(" %1 + %2 + %3 = ").arg(-25).arg(9).arg(17), 30);
    drawEditBox(painter, answerBox, QStringLiteral("1"), 24);
    const QSize button(layout::pixelsX(72, layout::font14), layout::pixelsY(21, layout::font14));
    placeButton(painter, bitmaps.at(297), QRect(forfeit, button), QStringLiteral("Forfeit Game"),
                lettering::challengeBody, lettering::leaveChallenge);
    placeButton(painter, bitmaps.at(296), QRect(check, button), QStringLiteral("Check Answer"),
                lettering::challengeBody, lettering::confirmChallenge);
    return image;
}

QImage settingsMockup(const BitmapSet& bitmaps) {
    using namespace layout::settings;
    QImage image = windowOver(bitmaps.at(262), client);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawLabel(painter, label[0], QStringLiteral("Enter name for first player"));
    drawLabel(painter, label[1],
              QStringLiteral("Specify whether second player is another person or a computer opponent"));
    drawLabel(painter, label[2], QStringLiteral("Enter name if second player is a person"));
    drawLabel(painter, label[3], QStringLiteral("Specify the range of numbers to use in calculations"));
    drawEditBox(painter, nameBox[0], QStringLiteral("X-Player"), 11);
    drawEditBox(painter, nameBox[1], QStringLiteral("O-Player"), 11);

    const QSize opponent(layout::pixelsX(75, layout::font8), layout::pixelsY(24, layout::font8));
    const std::array<std::pair<int, QRect>, 4> opponents{{{272, QRect(novice, opponent)},
                                                          {265, QRect(intermediate, opponent)},
                                                          {267, QRect(expert, opponent)},
                                                          {269, QRect(person, opponent)}}};
    for (std::size_t i = 0; i < opponents.size(); ++i)
        placeButton(painter, bitmaps.at(opponents[i].first), opponents[i].second, opponentWords[i],
                    lettering::opponentBody, lettering::steelOpponent);
    const QSize small(layout::pixelsX(64, layout::font8), layout::pixelsY(20, layout::font8));
    const std::array<int, 4> rangeIds{253, 248, 249, 250};
    for (std::size_t i = 0; i < 4; ++i)
        placeButton(painter, bitmaps.at(rangeIds[i]), QRect(range[i], small), rangeWords[i], lettering::rangeBody,
                    lettering::steelRange);
    placeButton(painter, bitmaps.at(251), QRect(done, small), QStringLiteral("Done"), lettering::rangeBody,
                lettering::confirmRange);
    return image;
}

QImage highScoresMockup(const BitmapSet& bitmaps) {
    using namespace layout::highScores;
    QImage image = windowOver(bitmaps.at(262), client);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const std::array<QString, 3> sentences{
        QStringLiteral("Ann beat the Expert Computer, achieving a score of 131."),
        QStringLiteral(" ** X-Player beat the Novice Computer, achieving a score of 57. **"),
        QStringLiteral("Bob beat Carol, achieving a score of 12.")};
    for (int k = 0; k < 10; ++k)
        drawLabel(painter, line(k), k < 3 ? sentences[static_cast<std::size_t>(k)] : QString());
    const QSize small(layout::pixelsX(64, layout::font8), layout::pixelsY(20, layout::font8));
    const std::array<int, 4> rangeIds{246, 248, 256, 250};
    for (std::size_t i = 0; i < 4; ++i)
        placeButton(painter, bitmaps.at(rangeIds[i]), QRect(range[i], small), rangeWords[i], lettering::rangeBody,
                    lettering::steelRange);
    placeButton(painter, bitmaps.at(252), QRect(done, small), QStringLiteral("Done"), lettering::rangeBody,
                lettering::confirmRange);
    return image;
}

QImage aboutMockup(const BitmapSet& bitmaps) {
    using namespace layout::about;
    QImage image = windowOver(bitmaps.at(262), client);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.drawImage(emblem, bitmaps.at(278));
    painter.setFont(artFont(11, QFont::Normal));
    painter.setPen(Qt::white);
    painter.drawText(link, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("https://quinsum.example/"));
    painter.fillRect(ok, QColor(240, 240, 240));
    painter.setPen(QColor(105, 105, 105));
    painter.drawRect(ok.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.drawText(ok, Qt::AlignCenter, QStringLiteral("OK"));
    return image;
}

QString writePreviews(const QString& directory, const BitmapSet& bitmaps) {
    if (!QDir().mkpath(directory))
        return QStringLiteral("cannot create %1").arg(directory);
    const std::array<std::pair<const char*, QImage>, 7> previews{{
        {"contact-sheet.png", contactSheet(bitmaps)},
        {"board.png", boardMockup(bitmaps)},
        {"menu.png", menuMockup(bitmaps)},
        {"challenge.png", challengeMockup(bitmaps)},
        {"settings.png", settingsMockup(bitmaps)},
        {"high-scores.png", highScoresMockup(bitmaps)},
        {"about.png", aboutMockup(bitmaps)},
    }};
    for (const auto& [name, image] : previews) {
        const QString path = QDir(directory).filePath(QString::fromLatin1(name));
        if (!image.save(path, "PNG"))
            return QStringLiteral("cannot write %1").arg(path);
    }
    return {};
}

}  // namespace artgen
