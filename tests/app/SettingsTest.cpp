// The settings file: raw bytes, at most 2048, up to the first zero.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AppFixture.h"
#include "GameCatalog.h"
#include "Settings.h"

using namespace apptest;

namespace {

class SettingsTest : public AppFixture {
  protected:
    // Made after the fixture has pointed HOME and XDG_CONFIG_HOME at the test's folder.
    void SetUp() override {
        AppFixture::SetUp();
        m_pCatalog = std::make_unique<CGameCatalog>();
    }
    std::unique_ptr<CGameCatalog> m_pCatalog;
};

TEST_F(SettingsTest, FileIsTakenAsItStands) {
    EXPECT_FALSE(m_pCatalog->LoadSettings());
    EXPECT_EQ(m_pCatalog->m_strHotSyncFolder, (m_root / "home/hotsync/").string());
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
        EXPECT_TRUE(m_pCatalog->LoadSettings());
        EXPECT_EQ(m_pCatalog->m_strHotSyncFolder, strFolder);
    }
}

TEST_F(SettingsTest, SaveWritesExactlyThePathAndCreatesTheFolder) {
    setenv("XDG_CONFIG_HOME", (m_root / "new/config").c_str(), 1);
    m_pCatalog->SaveHotSyncFolder("/media/palm/hot sync//");
    EXPECT_EQ(ReadFile(m_root / "new/config/quelmara.ini"), "/media/palm/hot sync//");
}

} // namespace
