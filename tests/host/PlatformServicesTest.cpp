// Addresses from the game texts turned into what the shell opens, and the
// display check.
#include <gtest/gtest.h>

#include "PlatformServices.h"

namespace {

TEST(ShellUrlTest, WebAndMailAddressesGetTheirSchemes) {
    const std::pair<const char *, const char *> cases[] = {
        {"www.example.com/games?id=3", "http://www.example.com/games?id=3"},
        // "www." anywhere but the start is not a web address of this kind.
        {"see www.example.com", "see www.example.com"},
        {"WWW.example.com", "WWW.example.com"},
        {"author@example.com", "mailto:author@example.com"},
        // The part before a colon is no scheme when it holds characters a scheme cannot.
        {"first.last@example.com:25", "mailto:first.last@example.com:25"},
        {"mailto:author@example.com", "mailto:author@example.com"},
        {"http://user@example.com/", "http://user@example.com/"},
        // A "www." address with an "@" in it is still a web address.
        {"www.example.com/@me", "http://www.example.com/@me"},
        {"Written by Some One", "Written by Some One"},
        {"", ""},
    };
    for (const auto &[text, url] : cases)
        EXPECT_EQ(host::ShellUrlFor(text), url) << text;
}

TEST(DisplayCheckTest, ReportsOnlyWhenNoDisplayVariableIsSet) {
    EXPECT_FALSE(host::MissingDisplayMessage(":0", nullptr));
    EXPECT_FALSE(host::MissingDisplayMessage(nullptr, "wayland-0"));
    for (const char *unset : {static_cast<const char *>(nullptr), ""}) {
        const auto message = host::MissingDisplayMessage(unset, unset);
        ASSERT_TRUE(message);
        EXPECT_TRUE(message->starts_with("quelmara: no display found")) << *message;
    }
}

} // namespace
