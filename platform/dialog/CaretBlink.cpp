// SPDX-License-Identifier: MIT
#include "platform/dialog/CaretBlink.h"

#include <QGuiApplication>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>

namespace {

constexpr int kBlinkForMs = 10000;

class CaretBlinkLimit final : public QObject {
public:
    CaretBlinkLimit()
        : QObject(QCoreApplication::instance()), flashTime_(QGuiApplication::styleHints()->cursorFlashTime()) {
        stop_.setSingleShot(true);
        stop_.setInterval(kBlinkForMs);
        connect(&stop_, &QTimer::timeout, this, [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
        QCoreApplication::instance()->installEventFilter(this);
        stop_.start();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::FocusIn) {
            if (!stop_.isActive()) {
                QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
            }
            stop_.start();
        }
        return false;
    }

private:
    const int flashTime_;
    QTimer stop_;
};

}  // namespace

void LimitCaretBlinking() {
    // A child of the application object, made again for a new one.
    static QPointer<CaretBlinkLimit> limit;
    if (limit == nullptr && QCoreApplication::instance() != nullptr) {
        limit = new CaretBlinkLimit;
    }
}
