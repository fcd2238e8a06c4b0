// SPDX-License-Identifier: MIT
// The floor of the desktop benchmark: what the toolkit itself costs for a window like the board, the
// way a plain Qt program would make it. A dialog of the board's client size with a 5 x 5 grid of
// numbered push buttons in a grid layout and a one-second timer that does nothing; no pictures, no
// sound, nothing of the game.

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kBoardWidth = 638;
constexpr int kBoardHeight = 480;

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog window;
    window.setWindowTitle(QStringLiteral("Quinsum floor"));
    window.setFixedSize(kBoardWidth, kBoardHeight);
    auto* grid = new QGridLayout(&window);
    for (int cell = 0; cell < 25; ++cell) {
        auto* button = new QPushButton(QString::number(cell), &window);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        grid->addWidget(button, cell / 5, cell % 5);
    }
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(1000);
    window.show();
    return application.exec();
}
