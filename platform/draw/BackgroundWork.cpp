// SPDX-License-Identifier: MIT
#include "platform/draw/BackgroundWork.h"

#include <QFontDatabase>
#include <QThreadPool>

namespace {

QThreadPool& Worker() {
    static QThreadPool* worker = [] {
        auto* pool = new QThreadPool;
        pool->setMaxThreadCount(1);
        return pool;
    }();
    return *worker;
}

}  // namespace

void RunInBackground(std::function<void()> work) {
    Worker().start(std::move(work));
}

void FinishBackgroundWork() {
    Worker().waitForDone();
}

void ReadFontDatabaseInBackground() {
    RunInBackground([] { QFontDatabase::families(); });
}
