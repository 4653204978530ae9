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
    m_pCatalog->SaveHotSyncFolder("/x/");
    EXPECT_EQ(ReadFile(m_root / "new/config/quelmara.ini"), "/x/");

    // A file where the folder should be: the choice still holds for this run.
    WriteFile(m_root / "blocker", "");
    setenv("XDG_CONFIG_HOME", (m_root / "blocker/config").c_str(), 1);
    m_pCatalog->SaveHotSyncFolder("/chosen/");
    EXPECT_EQ(m_pCatalog->m_strHotSyncFolder, "/chosen/");
    EXPECT_FALSE(m_pCatalog->LoadSettings());
}

TEST_F(SettingsTest, HomeConfigIsUsedWithoutAnAbsoluteXdgConfigHome) {
    EXPECT_EQ(SettingsFilePath(), (m_root / "config/quelmara.ini").string());
    const std::string strHomeConfig = (m_root / "home/.config/quelmara.ini").string();
    for (const char *pszValue : {"", "relative/config"}) {
        setenv("XDG_CONFIG_HOME", pszValue, 1);
        EXPECT_EQ(SettingsFilePath(), strHomeConfig) << pszValue;
    }
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFilePath(), strHomeConfig);
    m_pCatalog->SaveHotSyncFolder("/h/");
    EXPECT_EQ(ReadFile(strHomeConfig), "/h/");
}

} // namespace
