// SPDX-License-Identifier: MIT
// The one entry of the tests that need Qt. The application object exists only while tests run, so
// listing them needs no display; without a platform chosen the offscreen one is used, and sound
// without a device. The game's dialog templates are registered for every test, and each test
// has a configuration folder of its own, so that no test remembers another's settings.

#include "resources/GameDialogTemplates.h"
#include "tests/support/TemporaryDirectory.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The offscreen platform cannot grab the mouse and says so at every press on a button.
QtMessageHandler previousHandler = nullptr;

void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support grabbing the mouse"))) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    QtApplicationEnvironment(int& argc, char** argv) : argc_(argc), argv_(argv) {}

    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) {
            qputenv("SDL_AUDIODRIVER", "dummy");
        }
        previousHandler = qInstallMessageHandler(QuietMessageHandler);
        application_ = std::make_unique<QApplication>(argc_, argv_);
        RegisterGameDialogTemplates();
    }
    void TearDown() override { application_.reset(); }

private:
    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> application_;
};

class FreshConfigurationFolder final : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override {
        folder_ = std::make_unique<TemporaryDirectory>();
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder_->Path().string()));
    }
    void OnTestEnd(const ::testing::TestInfo&) override { folder_.reset(); }

private:
    std::unique_ptr<TemporaryDirectory> folder_;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment(argc, argv));
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshConfigurationFolder);
    return RUN_ALL_TESTS();
}
