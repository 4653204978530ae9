#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "ChildProcess.h"
#include "FolderBrowser.h"
#include "HostTestSupport.h"

namespace {

namespace fs = std::filesystem;

using hosttest::CScopedEnvironment;
using hosttest::CTemporaryFolder;
using hosttest::Shell;
using StringList = std::vector<std::string>;

TEST(ChildProcessTest, CollectsOutputAndExitStatus) {
    const auto ok = host::RunChildProcess(Shell("echo /tmp/x"), [] {});
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->exitStatus, 0);
    EXPECT_EQ(ok->output, "/tmp/x\n");

    const auto failed = host::RunChildProcess(Shell("echo partial; exit 3"), [] {});
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->exitStatus, 3);

    const auto killed = host::RunChildProcess(Shell("kill -9 $$"), [] {});
    ASSERT_TRUE(killed);
    EXPECT_EQ(killed->exitStatus, -1);

    EXPECT_FALSE(host::RunChildProcess({"/nonexistent/zenity"}, [] {}));
    EXPECT_FALSE(host::RunChildProcess({}, [] {}));
}

TEST(ChildProcessTest, ArgumentsReachTheProgramUntouched) {
    const std::string argument = "it's a \"quoted\" $HOME; `ls` *";
    const auto outcome =
        host::RunChildProcess({"/bin/sh", "-c", "printf '%s' \"$1\"", "sh", argument}, [] {});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->output, argument);
}

TEST(ChildProcessTest, EventsAreServedWhileTheChildRuns) {
    int pumps = 0;
    const auto outcome = host::RunChildProcess(Shell("sleep 0.2; echo done"), [&] { ++pumps; });
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->output, "done\n");
    EXPECT_GT(pumps, 1);

    // A child that closes its output and keeps running is still waited for.
    pumps = 0;
    const auto silent =
        host::RunChildProcess(Shell("exec >&-; sleep 0.2; exit 4"), [&] { ++pumps; });
    ASSERT_TRUE(silent);
    EXPECT_EQ(silent->exitStatus, 4);
    EXPECT_GT(pumps, 1);
}

TEST(ChildProcessTest, LongOutputIsCutWithoutStallingTheChild) {
    const auto outcome = host::RunChildProcess(Shell("head -c 1000000 /dev/zero; exit 0"), [] {});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->exitStatus, 0);
    EXPECT_EQ(outcome->output.size(), host::kMaxChildOutput);
}

TEST(FolderChooserTest, ExitZeroWithAPathIsAChoice) {
    int pumps = 0;
    const auto pump = [&] { ++pumps; };
    EXPECT_EQ(host::RunFolderChooser(Shell("sleep 0.1; echo '/home/me/Palm Sync'"), pump),
              "/home/me/Palm Sync");
    EXPECT_GT(pumps, 0);
    // Only the line end the chooser adds is taken off.
    EXPECT_EQ(host::RunFolderChooser(Shell("printf '/a/b '"), pump), "/a/b ");
}

TEST(FolderChooserTest, AnythingElseIsACancel) {
    const auto pump = [] {};
    EXPECT_FALSE(host::RunFolderChooser(Shell("exit 1"), pump));
    EXPECT_FALSE(host::RunFolderChooser(Shell("echo /tmp/x; exit 1"), pump));
    EXPECT_FALSE(host::RunFolderChooser(Shell("echo"), pump));
    EXPECT_FALSE(host::RunFolderChooser(Shell("true"), pump));
    EXPECT_FALSE(host::RunFolderChooser({"/nonexistent/zenity"}, pump));
}

TEST(FolderChooserTest, FindsExecutableProgramsAlongTheSearchPath) {
    CTemporaryFolder first;
    CTemporaryFolder second;
    first.AddFile("kdialog", "", false);
    const auto kdialog = second.AddFile("kdialog", "#!/bin/sh\n", true);
    fs::create_directory(first.Path() / "zenity");
    const std::string searchPath = first.Path().string() + ":" + second.Path().string();

    EXPECT_EQ(host::FindProgram("kdialog", searchPath), kdialog.string());
    EXPECT_FALSE(host::FindProgram("zenity", searchPath));
    EXPECT_FALSE(host::FindProgram("kdialog", ""));

    const auto command = host::FolderChooserCommand("Pick", searchPath);
    ASSERT_TRUE(command);
    EXPECT_EQ(*command,
              (StringList{kdialog.string(), "--title", "Pick", "--getexistingdirectory"}));

    const auto zenity = second.AddFile("zenity", "#!/bin/sh\n", true);
    EXPECT_EQ(host::FolderChooserCommand("Pick", searchPath),
              (StringList{zenity.string(), "--file-selection", "--directory", "--title=Pick"}));
    EXPECT_FALSE(host::FolderChooserCommand("Pick", first.Path().string()));
}

TEST(FolderChooserTest, BrowseRunsTheChooserFoundOnPath) {
    CTemporaryFolder bin;
    // The fake chooser answers with its last argument, the title.
    bin.AddFile("zenity", "#!/bin/sh\nfor a; do last=$a; done\nprintf '%s\\n' \"$last\"\n", true);
    CScopedEnvironment path("PATH", bin.Path().string());
    EXPECT_EQ(host::BrowseForFolder("Select your Hotsync folder."),
              "--title=Select your Hotsync folder.");
}

TEST(FolderChooserTest, WithoutAChooserTheFallbackIsAsked) {
    CTemporaryFolder empty;
    CScopedEnvironment path("PATH", empty.Path().string());
    EXPECT_FALSE(host::BrowseForFolder("Title"));

    std::string askedTitle;
    host::SetFolderBrowserFallback([&](const std::string &title) -> std::optional<std::string> {
        askedTitle = title;
        return "/chosen/by/toolkit";
    });
    EXPECT_EQ(host::BrowseForFolder("Title"), "/chosen/by/toolkit");
    EXPECT_EQ(askedTitle, "Title");
    host::SetFolderBrowserFallback(nullptr);
    EXPECT_FALSE(host::BrowseForFolder("Title"));
}

} // namespace
