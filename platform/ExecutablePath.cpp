// SPDX-License-Identifier: MIT
#include "platform/ExecutablePath.h"

#include <QCoreApplication>
#include <system_error>

std::filesystem::path ExecutableDirectory() {
    if (QCoreApplication::instance() != nullptr) {
        return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
    }
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}
