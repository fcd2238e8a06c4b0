// SPDX-License-Identifier: MIT
// The shell and registry calls through a stubbed ShellServices, and the desktop services' codes.

#include <gtest/gtest.h>

#include <map>

#include "platform/DesktopShellServices.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/ShellServices.h"

namespace {

class FakeShell final : public ShellServices {
public:
    int OpenDocument(const std::string& target, int showCommand) override {
        calls.push_back("open " + target + " " + std::to_string(showCommand));
        return openResult;
    }
    std::optional<std::string> ClassesRootValue(const std::string& subKey) override {
        const auto found = classesRoot.find(subKey);
        return found == classesRoot.end() ? std::nullopt : std::optional(found->second);
    }
    int RunCommand(const std::string& commandLine, int) override {
        calls.push_back("run " + commandLine);
        return WINEXEC_SUCCESS;
    }
    void Beep(UINT type) override { calls.push_back("beep " + std::to_string(type)); }

    int openResult = 42;
    std::map<std::string, std::string> classesRoot;
    std::vector<std::string> calls;
};

}  // namespace

TEST(ShellCalls, OpenRunAndBeepReachTheServices) {
    FakeShell shell;
    shell.openResult = SE_ERR_SHARE;
    ScopedShellServices scope(shell);
    EXPECT_EQ(ShellExecute(nullptr, "open", "https://example.org", "", "", SW_SHOW), SE_ERR_SHARE);
    EXPECT_EQ(WinExec("browser  https://example.org", SW_SHOW), WINEXEC_SUCCESS);
    EXPECT_TRUE(MessageBeep(MB_ICONEXCLAMATION));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"open https://example.org 5", "run browser  https://example.org",
                                                     "beep 48"}));
}

TEST(ShellCalls, OnlyTheOpenVerbIsKnown) {
    FakeShell shell;
    ScopedShellServices scope(shell);
    EXPECT_EQ(ShellExecute(nullptr, "print", "page.htm", "", "", SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute(nullptr, "", "page.htm", "", "", SW_SHOW), 42);
    EXPECT_EQ(shell.calls.size(), 1u);
}

TEST(Registry, OpensKeysThatExistAndReadsTheirDefaultValue) {
    FakeShell shell;
    shell.classesRoot[".htm"] = "browser.desktop";
    ScopedShellServices scope(shell);

    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
    std::string value;
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueEx(key, nullptr, &type, &value), ERROR_SUCCESS);
    EXPECT_EQ(value, "browser.desktop");
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(RegQueryValueEx(key, "Content Type", nullptr, &value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueEx(key, nullptr, nullptr, &value), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST(Registry, MissingKeysAndOtherRootsAreNotFound) {
    FakeShell shell;
    shell.classesRoot[".htm"] = "browser.desktop";
    ScopedShellServices scope(shell);
    HKEY key = 7;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, ".xyz", 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(RegOpenKeyEx(0x80000001u, ".htm", 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, nullptr), ERROR_INVALID_PARAMETER);
}

TEST(DesktopShell, CommandsThatCannotRunGiveFileNotFound) {
    DesktopShellServices desktop;
    EXPECT_EQ(desktop.RunCommand("", SW_SHOW), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(desktop.RunCommand("true \"unclosed", SW_SHOW), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(desktop.RunCommand("no-such-program-quinsum --x", SW_SHOW), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(desktop.RunCommand("/no/such/dir/program", SW_SHOW), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(desktop.RunCommand("true", SW_SHOW), WINEXEC_SUCCESS);
}

TEST(DesktopShell, OpeningNothingOrAMissingFileGivesFileNotFound) {
    DesktopShellServices desktop;
    EXPECT_EQ(desktop.OpenDocument("", SW_SHOW), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(desktop.OpenDocument("/no/such/quinsum/page.htm", SW_SHOW), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(desktop.OpenDocument("file:///no/such/quinsum/page.htm", SW_SHOW), ERROR_FILE_NOT_FOUND);
}
