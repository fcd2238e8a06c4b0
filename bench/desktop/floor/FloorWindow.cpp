// The floor of the desktop benchmark: what the toolkit itself costs for a window like the board.
// A bare Qt Widgets dialog of the board's client size with a 5 x 5 grid of push buttons and a
// one-second timer that does nothing; no pictures, no sound, nothing of the game.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kBoardWidth = 638;
constexpr int kBoardHeight = 480;
constexpr int kCellSize = 76;
constexpr int kCellOrigin = 8;

}

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog window;
    window.setWindowTitle(QStringLiteral("Quinsum floor"));
    window.setFixedSize(kBoardWidth, kBoardHeight);
    for (int cell = 0; cell < 25; ++cell) {
        auto* button = new QPushButton(QString::number(cell), &window);
        button->setGeometry(kCellOrigin + kCellSize * (cell % 5), kCellOrigin + kCellSize * (cell / 5), kCellSize,
                            kCellSize);
    }
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(1000);
    window.show();
    return application.exec();
}
