// SPDX-License-Identifier: MIT
#include "dialogs/HelpPage.h"

#include "resources/GameDialogTemplates.h"
#include "scores/ProgramFiles.h"

#include <QLocale>

#include <optional>
#include <string>

namespace {

// Where the page in `languageCode` would be, in the install or beside the program.
std::filesystem::path PageInLanguage(const std::optional<std::filesystem::path>& share,
                                     const std::filesystem::path& programFolder, const std::string& languageCode) {
    if (share) {
        return *share / "help" / languageCode / "quinsum" / kHelpPageName;
    }
    const std::filesystem::path english(kHelpPageName);
    return programFolder / (english.stem().string() + "." + languageCode + english.extension().string());
}

}  // namespace

std::filesystem::path HelpPagePath() {
    return HelpPagePath(ProgramDirectory().value_or(std::filesystem::path()), QLocale::system().uiLanguages());
}

std::filesystem::path HelpPagePath(const std::filesystem::path& programFolder, const QStringList& uiLanguages) {
    const std::optional<std::filesystem::path> share = InstalledShareFolder(programFolder);
    const std::filesystem::path english =
        share ? *share / kInstalledHelpFolder / kHelpPageName : programFolder / kHelpPageName;
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English) {
            return english;
        }
        // "C" and names Qt does not know name no language.
        if (language == QLocale::C || language == QLocale::AnyLanguage) {
            continue;
        }
        const std::filesystem::path page =
            PageInLanguage(share, programFolder, QLocale::languageToCode(language).toStdString());
        std::error_code error;
        if (std::filesystem::is_regular_file(page, error)) {
            return page;
        }
    }
    return english;
}
