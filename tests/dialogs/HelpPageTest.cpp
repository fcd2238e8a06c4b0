// SPDX-License-Identifier: MIT
// Which how-to-play page F1 and the about box's link open for the player's languages, beside the
// program and installed.

#include "dialogs/HelpPage.h"
#include "scores/ProgramFiles.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

namespace {

void PutPage(const std::filesystem::path& page) {
    std::filesystem::create_directories(page.parent_path());
    WriteBytes(page, {'<'});
}

TEST(HelpPageTest, TheFirstLanguageWithAPageWinsAndEnglishIsTheFallback) {
    TemporaryDirectory directory;
    const std::filesystem::path program = directory / "games";
    const std::filesystem::path english = program / "quinsum-help.html";
    PutPage(english);
    PutPage(program / "quinsum-help.pt.html");
    PutPage(program / "quinsum-help.de.html");
    // A folder under a page's name is no page.
    std::filesystem::create_directories(program / "quinsum-help.fr.html");

    EXPECT_EQ(HelpPagePath(program, {"pt-BR", "pt-Latn-BR", "pt"}), program / "quinsum-help.pt.html");
    EXPECT_EQ(HelpPagePath(program, {"it-IT", "fr", "C", "xx", "de-DE"}), program / "quinsum-help.de.html");
    EXPECT_EQ(HelpPagePath(program, {"en-GB", "de"}), english);
    EXPECT_EQ(HelpPagePath(program, {"it", "C"}), english);
    EXPECT_EQ(HelpPagePath(program, {}), english);

    // Installed, each language has the desktop's help folder of its own; pages beside the program
    // are not looked at.
    const std::filesystem::path share = (program / kInstalledShareFromProgram).lexically_normal();
    const std::filesystem::path installedEnglish = share / kInstalledHelpFolder / "quinsum-help.html";
    PutPage(installedEnglish);
    PutPage(share / "help/fr/quinsum/quinsum-help.html");
    EXPECT_EQ(HelpPagePath(program, {"fr-CA"}), share / "help/fr/quinsum/quinsum-help.html");
    EXPECT_EQ(HelpPagePath(program, {"de"}), installedEnglish);
}

}  // namespace
