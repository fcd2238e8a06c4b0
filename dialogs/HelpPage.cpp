// SPDX-License-Identifier: MIT
#include "dialogs/HelpPage.h"

#include "resources/GameDialogTemplates.h"
#include "scores/ProgramFiles.h"

std::filesystem::path HelpPagePath() {
    const std::filesystem::path programFolder = ProgramDirectory().value_or(std::filesystem::path());
    const std::filesystem::path installed = programFolder / QUINSUM_INSTALLED_DATA_FROM_PROGRAM / kHelpPageName;
    std::error_code error;
    if (!programFolder.empty() && std::filesystem::is_regular_file(installed, error)) {
        return installed.lexically_normal();
    }
    return programFolder / kHelpPageName;
}
