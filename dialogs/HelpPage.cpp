// SPDX-License-Identifier: MIT
#include "dialogs/HelpPage.h"

#include "resources/GameDialogTemplates.h"
#include "scores/ProgramFiles.h"

std::filesystem::path HelpPagePath() {
    const std::filesystem::path programFolder = ProgramDirectory().value_or(std::filesystem::path());
    if (const std::optional<std::filesystem::path> share = InstalledShareFolder(programFolder)) {
        return *share / kInstalledHelpFolder / kHelpPageName;
    }
    return programFolder / kHelpPageName;
}
