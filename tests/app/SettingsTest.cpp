// The settings file: raw bytes, at most 2048, up to the first zero.
#include <gtest/gtest.h>

#include <string>

#include "AppFixture.h"
#include "GameCatalog.h"

using namespace apptest;

namespace {

using SettingsTest = AppFixture;

TEST_F(SettingsTest, FileIsTakenAsItStandsAndWrittenAsGiven) {
    CGameCatalog catalog;
    EXPECT_FALSE(catalog.LoadSettings());
    EXPECT_EQ(catalog.m_strHotSyncFolder, (m_root / "home/hotsync/").string());
    const std::string strLong(3000, 'p');
    const std::pair<std::string, std::string> cases[] = {
        {"/palm/hotsync/\r\n", "/palm/hotsync/\r\n"},
        {"", ""},
        {" /a b/ ", " /a b/ "},
        {strLong, strLong.substr(0, 2048)},
        {std::string("/before/\0after", 14), "/before/"},
    };
    for (const auto &[strContent, strFolder] : cases) {
        WriteFile(m_root / "config/quelmara.ini", strContent);
        EXPECT_TRUE(catalog.LoadSettings());
        EXPECT_EQ(catalog.m_strHotSyncFolder, strFolder);
    }
    // Saving makes the missing folder.
    setenv("XDG_CONFIG_HOME", (m_root / "new/config").c_str(), 1);
    catalog.SaveHotSyncFolder("/media/palm/hot sync//");
    EXPECT_EQ(ReadFile(m_root / "new/config/quelmara.ini"), "/media/palm/hot sync//");
}

} // namespace
