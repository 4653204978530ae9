#include <gtest/gtest.h>

#include "PlatformServices.h"

namespace {

using host::ShellUrlFor;

TEST(ShellUrlTest, WebAddressesGetHttp) {
    EXPECT_EQ(ShellUrlFor("www.example.com"), "http://www.example.com");
    EXPECT_EQ(ShellUrlFor("www.example.com/games?id=3"), "http://www.example.com/games?id=3");
    // "www." anywhere but the start is not a web address of this kind.
    EXPECT_EQ(ShellUrlFor("see www.example.com"), "see www.example.com");
    EXPECT_EQ(ShellUrlFor("WWW.example.com"), "WWW.example.com");
}

TEST(ShellUrlTest, MailAddressesWithoutSchemeGetMailto) {
    EXPECT_EQ(ShellUrlFor("author@example.com"), "mailto:author@example.com");
    // The part before a colon is no scheme when it holds characters a scheme cannot.
    EXPECT_EQ(ShellUrlFor("first.last@example.com:25"), "mailto:first.last@example.com:25");
    EXPECT_EQ(ShellUrlFor("mailto:author@example.com"), "mailto:author@example.com");
    EXPECT_EQ(ShellUrlFor("http://user@example.com/"), "http://user@example.com/");
    // A "www." address with an "@" in it is still a web address.
    EXPECT_EQ(ShellUrlFor("www.example.com/@me"), "http://www.example.com/@me");
}

TEST(ShellUrlTest, AnythingElseIsOpenedAsGiven) {
    EXPECT_EQ(ShellUrlFor("http://example.com"), "http://example.com");
    EXPECT_EQ(ShellUrlFor("Written by Some One"), "Written by Some One");
    EXPECT_EQ(ShellUrlFor(""), "");
}

TEST(DisplayCheckTest, ReportsOnlyWhenNoDisplayVariableIsSet) {
    EXPECT_FALSE(host::MissingDisplayMessage(":0", nullptr));
    EXPECT_FALSE(host::MissingDisplayMessage(nullptr, "wayland-0"));
    for (const char *unset : {static_cast<const char *>(nullptr), ""}) {
        const auto message = host::MissingDisplayMessage(unset, unset);
        ASSERT_TRUE(message);
        EXPECT_EQ(message->rfind("quelmara: no display found", 0), 0u) << *message;
    }
}

} // namespace
