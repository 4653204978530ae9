// Child processes, the folder chooser's answer, and the addresses the shell opens.
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "FolderBrowser.h"
#include "PlatformServices.h"

namespace {

std::vector<std::string> Shell(const std::string &script) {
    return {"/bin/sh", "-c", script};
}

TEST(ChildProcessTest, OutputExitStatusTheCapOnLongOutputAndTheChoosersAnswer) {
    const std::string argument = "it's a \"quoted\" $HOME; `ls` *";
    const auto ok =
        host::RunChildProcess({"/bin/sh", "-c", "printf '%s' \"$1\"", "sh", argument}, [] {});
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->exitStatus, 0);
    EXPECT_EQ(ok->output, argument);
    EXPECT_EQ(host::RunChildProcess(Shell("kill -9 $$"), [] {}).value().exitStatus, -1);
    EXPECT_FALSE(host::RunChildProcess({"/nonexistent/zenity"}, [] {}));
    EXPECT_FALSE(host::RunChildProcess({}, [] {}));

    int pumps = 0;
    // A child that closes its output and keeps running is still waited for.
    const auto silent =
        host::RunChildProcess(Shell("exec >&-; sleep 0.2; exit 4"), [&] { ++pumps; });
    EXPECT_EQ(silent.value().exitStatus, 4);
    EXPECT_GT(pumps, 1);

    const auto flood = host::RunChildProcess(Shell("head -c 1000000 /dev/zero"), [] {});
    ASSERT_TRUE(flood);
    EXPECT_EQ(flood->output.size(), host::kMaxChildOutput);

    // Only a chooser ending with zero and a path makes a choice.
    EXPECT_EQ(host::RunFolderChooser(Shell("printf '/a/b \\n'"), [] {}), "/a/b ");
    for (const char *cancel : {"exit 1", "echo /tmp/x; exit 1", "echo", "true"})
        EXPECT_FALSE(host::RunFolderChooser(Shell(cancel), [] {})) << cancel;
}

TEST(ShellUrlTest, OnlyWebAndMailAddressesAreOpened) {
    const std::pair<const char *, const char *> cases[] = {
        {"www.example.com/games?id=3", "http://www.example.com/games?id=3"},
        {"see www.example.com", ""},
        {"HTTPS://example.com/", "HTTPS://example.com/"},
        {"author@example.com", "mailto:author@example.com"},
        {"first.last@example.com:25", "mailto:first.last@example.com:25"},
        {"http://user@example.com/", "http://user@example.com/"},
        {"www.example.com/@me", "http://www.example.com/@me"},
        {"Written by Some One", ""},
        {"", ""},
        {"--version", ""},
        {"file:///etc/shadow", ""},
        {"/usr/bin/id", ""},
        {"ftp://example.com/", ""},
        {"http://", ""},
    };
    for (const auto &[text, url] : cases)
        EXPECT_EQ(host::ShellUrlFor(text), url) << text;
}

} // namespace
