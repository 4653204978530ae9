// Child processes, and the folder chooser found along the search path.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ChildProcess.h"
#include "FolderBrowser.h"
#include "HostTestSupport.h"

namespace {

using hosttest::Shell;
using StringList = std::vector<std::string>;

TEST(ChildProcessTest, CollectsOutputAndExitStatusWithArgumentsUntouched) {
    const std::string argument = "it's a \"quoted\" $HOME; `ls` *";
    const auto ok =
        host::RunChildProcess({"/bin/sh", "-c", "printf '%s' \"$1\"", "sh", argument}, [] {});
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->exitStatus, 0);
    EXPECT_EQ(ok->output, argument);
    EXPECT_EQ(host::RunChildProcess(Shell("echo partial; exit 3"), [] {}).value().exitStatus, 3);
    EXPECT_EQ(host::RunChildProcess(Shell("kill -9 $$"), [] {}).value().exitStatus, -1);
    EXPECT_FALSE(host::RunChildProcess({"/nonexistent/zenity"}, [] {}));
    EXPECT_FALSE(host::RunChildProcess({}, [] {}));
}

TEST(ChildProcessTest, EventsAreServedWhileTheChildRunsAndLongOutputIsCut) {
    int pumps = 0;
    // A child that closes its output and keeps running is still waited for.
    const auto silent =
        host::RunChildProcess(Shell("exec >&-; sleep 0.2; exit 4"), [&] { ++pumps; });
    ASSERT_TRUE(silent);
    EXPECT_EQ(silent->exitStatus, 4);
    EXPECT_GT(pumps, 1);

    const auto outcome = host::RunChildProcess(Shell("head -c 1000000 /dev/zero"), [] {});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->exitStatus, 0);
    EXPECT_EQ(outcome->output.size(), host::kMaxChildOutput);
}

TEST(FolderChooserTest, OnlyExitZeroWithAPathIsAChoice) {
    int pumps = 0;
    const auto pump = [&] { ++pumps; };
    EXPECT_EQ(host::RunFolderChooser(Shell("sleep 0.1; echo '/home/me/Palm Sync'"), pump),
              "/home/me/Palm Sync");
    EXPECT_GT(pumps, 0);
    // Only the line end the chooser adds is taken off.
    EXPECT_EQ(host::RunFolderChooser(Shell("printf '/a/b '"), pump), "/a/b ");
    for (const char *cancel : {"exit 1", "echo /tmp/x; exit 1", "echo", "true"})
        EXPECT_FALSE(host::RunFolderChooser(Shell(cancel), pump)) << cancel;
    EXPECT_FALSE(host::RunFolderChooser({"/nonexistent/zenity"}, pump));
}

TEST(FolderChooserTest, FindsExecutableProgramsAlongTheSearchPath) {
    hosttest::CTemporaryFolder first;
    hosttest::CTemporaryFolder second;
    first.AddFile("kdialog", "", false);
    const auto kdialog = second.AddFile("kdialog", "#!/bin/sh\n", true);
    std::filesystem::create_directory(first.Path() / "zenity");
    const std::string searchPath = first.Path().string() + ":" + second.Path().string();

    EXPECT_EQ(host::FindProgram("kdialog", searchPath), kdialog.string());
    EXPECT_FALSE(host::FindProgram("zenity", searchPath));
    EXPECT_EQ(host::FolderChooserCommand("Pick", searchPath),
              (StringList{kdialog.string(), "--title", "Pick", "--getexistingdirectory"}));
    const auto zenity = second.AddFile("zenity", "#!/bin/sh\n", true);
    EXPECT_EQ(host::FolderChooserCommand("Pick", searchPath),
              (StringList{zenity.string(), "--file-selection", "--directory", "--title=Pick"}));
    EXPECT_FALSE(host::FolderChooserCommand("Pick", first.Path().string()));
}

TEST(FolderChooserTest, BrowseRunsTheChooserOnPathOrElseTheFallback) {
    hosttest::CTemporaryFolder bin;
    {
        // The fake chooser answers with its last argument, the title.
        bin.AddFile("zenity", "#!/bin/sh\nfor a; do last=$a; done\nprintf '%s\\n' \"$last\"\n",
                    true);
        hosttest::CScopedEnvironment path("PATH", bin.Path().string());
        EXPECT_EQ(host::BrowseForFolder("Select your Hotsync folder."),
                  "--title=Select your Hotsync folder.");
    }
    hosttest::CTemporaryFolder empty;
    hosttest::CScopedEnvironment path("PATH", empty.Path().string());
    EXPECT_FALSE(host::BrowseForFolder("Title"));
    std::string askedTitle;
    host::SetFolderBrowserFallback([&](const std::string &title) -> std::optional<std::string> {
        askedTitle = title;
        return "/chosen/by/toolkit";
    });
    EXPECT_EQ(host::BrowseForFolder("Title"), "/chosen/by/toolkit");
    EXPECT_EQ(askedTitle, "Title");
    host::SetFolderBrowserFallback(nullptr);
}

} // namespace
