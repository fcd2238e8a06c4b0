// SPDX-License-Identifier: MIT
// The desktop's opener as the player meets it: a stand-in xdg-open on the PATH records its arguments
// and answers with a chosen exit status.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QUrl>

#include "platform/shell/DesktopShellServices.h"
#include "platform/shell/ShellServices.h"
#include "tests/support/TemporaryDirectory.h"

namespace {

// Puts an xdg-open that writes its arguments, one per line, and exits with `status` first on the PATH.
class StandInOpener {
public:
    explicit StandInOpener(int status) : previousPath_(std::getenv("PATH")) {
        const std::filesystem::path script = folder_ / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << Arguments().string() << "'\nexit " << status
                              << "\n";
        std::filesystem::permissions(script, std::filesystem::perms(0755));
        ::setenv("PATH", (folder_.Path().string() + ":" + previousPath_).c_str(), 1);
    }
    ~StandInOpener() { ::setenv("PATH", previousPath_.c_str(), 1); }

    std::filesystem::path Arguments() const { return folder_ / "arguments"; }
    std::string Received() const {
        std::stringstream text;
        text << std::ifstream(Arguments()).rdbuf();
        return text.str();
    }
    const TemporaryDirectory& Folder() const { return folder_; }

private:
    TemporaryDirectory folder_;
    std::string previousPath_;
};

}  // namespace

TEST(DesktopShell, OpeningNothingOrAMissingFileGivesFileNotFound) {
    DesktopShellServices desktop;
    EXPECT_EQ(desktop.OpenDocument(""), kOpenFileNotFound);
    EXPECT_EQ(desktop.OpenDocument("/no/such/quinsum/page.htm"), kOpenFileNotFound);
    EXPECT_EQ(desktop.OpenDocument("file:///no/such/quinsum/page.htm"), kOpenFileNotFound);
}

// The page reaches the opener whole, as one argument, whatever its folder's name holds; no shell
// reads it.
TEST(DesktopShell, TheOpenerGetsThePageAsOneUrl) {
    const StandInOpener opener(0);
    const std::filesystem::path folder = opener.Folder() / "a b;$(touch x)'\"&";
    std::filesystem::create_directory(folder);
    std::ofstream(folder / "page.html") << "<p>";
    EXPECT_EQ(DesktopShellServices().OpenDocument((folder / "page.html").string()), kOpenedDocument);
    const QUrl received(QString::fromStdString(opener.Received()).trimmed());
    EXPECT_EQ(received.toLocalFile().toStdString(), (folder / "page.html").string());
    EXPECT_FALSE(std::filesystem::exists("x"));
}

// With nothing to open the page, xdg-open exits 3 at once: that is a failure, not a success.
TEST(DesktopShell, AnOpenerThatFindsNoWayToOpenThePageFails) {
    const StandInOpener opener(3);
    EXPECT_EQ(DesktopShellServices().OpenDocument("https://example.org"), kOpenNoAssociation);
    EXPECT_EQ(opener.Received(), "https://example.org\n");
}
