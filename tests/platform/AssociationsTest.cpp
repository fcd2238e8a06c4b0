// SPDX-License-Identifier: MIT
// The ".htm" association read from XDG MIME lists and desktop entries in temporary directories.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

#include "platform/CommandLine.h"
#include "platform/XdgAssociations.h"

namespace {

namespace fs = std::filesystem;

class XdgTree : public testing::Test {
protected:
    XdgTree() {
        root = fs::path(folder.path().toStdString());
        dirs.configDirs = {root / "config-home", root / "config-system"};
        dirs.dataDirs = {root / "data-home", root / "data-system"};
    }

    void Write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }
    void Install(const fs::path& dataDir, const std::string& id, const std::string& exec) {
        Write(dataDir / "applications" / id, "[Desktop Entry]\nType=Application\nExec=" + exec + "\n");
    }

    QTemporaryDir folder;
    fs::path root;
    XdgDirectories dirs;
};

}  // namespace

TEST_F(XdgTree, TheUsersDefaultApplicationWins) {
    Install(dirs.dataDirs[1], "browser.desktop", "browser %u");
    Install(dirs.dataDirs[1], "viewer.desktop", "viewer %f");
    Write(dirs.configDirs[1] / "mimeapps.list", "[Default Applications]\ntext/html=viewer.desktop\n");
    Write(dirs.configDirs[0] / "mimeapps.list", "[Default Applications]\ntext/html=browser.desktop;viewer.desktop\n");
    EXPECT_EQ(DefaultApplicationFor("text/html", dirs), "browser.desktop");
    EXPECT_EQ(ClassesRootValueFromXdg(".htm", dirs), "browser.desktop");
    EXPECT_EQ(ClassesRootValueFromXdg(".HTML", dirs), "browser.desktop");
}

TEST_F(XdgTree, EntriesThatAreNotInstalledAreSkipped) {
    Install(dirs.dataDirs[0], "viewer.desktop", "viewer %f");
    Write(dirs.configDirs[0] / "mimeapps.list",
          "[Default Applications]\ntext/html=gone.desktop;viewer.desktop\n");
    EXPECT_EQ(DefaultApplicationFor("text/html", dirs), "viewer.desktop");
}

TEST_F(XdgTree, AddedAssociationsServeWhenNoDefaultIsInstalled) {
    Install(dirs.dataDirs[0], "viewer.desktop", "viewer %f");
    Write(dirs.dataDirs[1] / "applications" / "mimeapps.list",
          "[Default Applications]\ntext/html=gone.desktop\n\n[Added Associations]\ntext/plain=other.desktop\n"
          "text/html=viewer.desktop;\n");
    EXPECT_EQ(DefaultApplicationFor("text/html", dirs), "viewer.desktop");
}

TEST_F(XdgTree, NoAssociationGivesNothing) {
    Write(dirs.configDirs[0] / "mimeapps.list", "[Default Applications]\ntext/plain=viewer.desktop\n");
    EXPECT_EQ(DefaultApplicationFor("text/html", dirs), std::nullopt);
    EXPECT_EQ(ClassesRootValueFromXdg(".htm", dirs), std::nullopt);
    EXPECT_EQ(ClassesRootValueFromXdg(".txt", dirs), std::nullopt);
}

TEST_F(XdgTree, TheOpenCommandIsTheEntrysExecLineInAssociationForm) {
    Write(dirs.dataDirs[0] / "applications" / "browser.desktop",
          "[Desktop Entry]\nName=Browser\nExec[de]=falsch\nExec = \"/opt/my browser/run\" --new %U\n"
          "[Desktop Action private]\nExec=browser --private %u\n");
    EXPECT_EQ(ClassesRootValueFromXdg("browser.desktop\\shell\\open\\command", dirs),
              "\"/opt/my browser/run\" --new %1");
    EXPECT_EQ(ClassesRootValueFromXdg("missing.desktop\\shell\\open\\command", dirs), std::nullopt);
    EXPECT_EQ(ClassesRootValueFromXdg("../browser.desktop\\shell\\open\\command", dirs), std::nullopt);
}

TEST_F(XdgTree, AnActionGroupBeforeTheEntryIsNotTakenForIt) {
    Write(dirs.dataDirs[0] / "applications" / "odd.desktop",
          "[Desktop Action x]\nExec=wrong %u\n[Desktop Entry]\nExec=right\\sside %u\n");
    EXPECT_EQ(DesktopEntryExec(dirs.dataDirs[0] / "applications" / "odd.desktop"), "right side %u");
}

TEST(ExecFieldCodes, FileAndUrlCodesBecomeThePlaceholderOthersAreDropped) {
    EXPECT_EQ(ExecToAssociationCommand("firefox %u"), "firefox %1");
    EXPECT_EQ(ExecToAssociationCommand("app %F"), "app %1");
    EXPECT_EQ(ExecToAssociationCommand("app %i %c %k %f"), "app    %1");
    EXPECT_EQ(ExecToAssociationCommand("app --ratio=100%% %U"), "app --ratio=100% %1");
    EXPECT_EQ(ExecToAssociationCommand("app --open"), "app --open");
    EXPECT_EQ(ExecToAssociationCommand("trailing %"), "trailing ");
}

TEST(XdgEnvironment, UnsetVariablesTakeTheDefaultsAndRelativePathsAreIgnored) {
    const std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("HOME", "/home/tester", 1);
    unsetenv("XDG_CONFIG_HOME");
    setenv("XDG_CONFIG_DIRS", "relative:/etc/site", 1);
    setenv("XDG_DATA_HOME", "", 1);
    unsetenv("XDG_DATA_DIRS");
    const XdgDirectories dirs = XdgDirectories::FromEnvironment();
    setenv("HOME", savedHome.c_str(), 1);
    unsetenv("XDG_CONFIG_DIRS");
    unsetenv("XDG_DATA_HOME");

    EXPECT_EQ(dirs.configDirs, (std::vector<fs::path>{"/home/tester/.config", "/etc/site"}));
    EXPECT_EQ(dirs.dataDirs, (std::vector<fs::path>{"/home/tester/.local/share", "/usr/local/share", "/usr/share"}));
    EXPECT_EQ(dirs.MimeAppsLists().front(), fs::path("/home/tester/.config/mimeapps.list"));
    EXPECT_EQ(dirs.MimeAppsLists().back(), fs::path("/usr/share/applications/mimeapps.list"));
}

TEST(CommandLines, SplitAsDesktopEntriesQuote) {
    using Arguments = std::vector<std::string>;
    EXPECT_EQ(SplitCommandLine("browser  https://example.org/a?b=c"), (Arguments{"browser", "https://example.org/a?b=c"}));
    EXPECT_EQ(SplitCommandLine("\"/opt/my browser/run\" --new  x"), (Arguments{"/opt/my browser/run", "--new", "x"}));
    EXPECT_EQ(SplitCommandLine(R"(app "say \"hi\" \$HOME \\ \`x\`" plain\arg)"),
              (Arguments{"app", R"(say "hi" $HOME \ `x`)", R"(plain\arg)"}));
    EXPECT_EQ(SplitCommandLine(R"(app "" "\n")"), (Arguments{"app", "", R"(\n)"}));
    EXPECT_EQ(SplitCommandLine("   "), Arguments{});
    EXPECT_EQ(SplitCommandLine("app \"unclosed"), std::nullopt);
}
