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
    CGameCatalog &Catalog() {
        if (!m_pCatalog)
            m_pCatalog = std::make_unique<CGameCatalog>();
        return *m_pCatalog;
    }
    fs::path SettingsFile() const { return m_root / "config/quelmara.ini"; }

    std::unique_ptr<CGameCatalog> m_pCatalog;
};

TEST_F(SettingsTest, MissingFileLeavesTheDefaultFolder) {
    EXPECT_EQ(Catalog().m_strHotSyncFolder, (m_root / "home/hotsync/").string());
    EXPECT_EQ(g_pCatalog, &Catalog());
    EXPECT_FALSE(Catalog().LoadSettings());
    EXPECT_EQ(Catalog().m_strHotSyncFolder, (m_root / "home/hotsync/").string());
}

TEST_F(SettingsTest, FileIsTakenAsItStands) {
    const std::string strLong(3000, 'p');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/palm/hotsync/\r\n", "/palm/hotsync/\r\n"},
        {"", ""},
        {" /a b/ ", " /a b/ "},
        {strLong, strLong.substr(0, 2048)},
        {std::string("/before/\0after", 14), "/before/"},
    };
    for (const auto &[strContent, strFolder] : cases) {
        WriteFile(SettingsFile(), strContent);
        EXPECT_TRUE(Catalog().LoadSettings());
        EXPECT_EQ(Catalog().m_strHotSyncFolder, strFolder);
    }
}

TEST_F(SettingsTest, SaveWritesExactlyThePathAndCreatesTheFolder) {
    setenv("XDG_CONFIG_HOME", (m_root / "new/config").c_str(), 1);
    Catalog().SaveHotSyncFolder("/media/palm/hot sync//");
    EXPECT_EQ(ReadFile(m_root / "new/config/quelmara.ini"), "/media/palm/hot sync//");
    EXPECT_EQ(Catalog().m_strHotSyncFolder, "/media/palm/hot sync//");

    Catalog().SaveHotSyncFolder("/x/");
    EXPECT_EQ(ReadFile(m_root / "new/config/quelmara.ini"), "/x/");
    Catalog().m_strHotSyncFolder.clear();
    EXPECT_TRUE(Catalog().LoadSettings());
    EXPECT_EQ(Catalog().m_strHotSyncFolder, "/x/");
}

TEST_F(SettingsTest, UnwritableFileStillChangesTheFolder) {
    WriteFile(m_root / "blocker", "a file where the folder should be");
    setenv("XDG_CONFIG_HOME", (m_root / "blocker/config").c_str(), 1);
    Catalog().SaveHotSyncFolder("/chosen/");
    EXPECT_EQ(Catalog().m_strHotSyncFolder, "/chosen/");
    EXPECT_FALSE(Catalog().LoadSettings());
}

TEST_F(SettingsTest, HomeConfigIsUsedWithoutAnAbsoluteXdgConfigHome) {
    EXPECT_EQ(SettingsFilePath(), SettingsFile().string());
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(SettingsFilePath(), (m_root / "home/.config/quelmara.ini").string());
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(SettingsFilePath(), (m_root / "home/.config/quelmara.ini").string());
    setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(SettingsFilePath(), (m_root / "home/.config/quelmara.ini").string());

    Catalog().SaveHotSyncFolder("/h/");
    EXPECT_EQ(ReadFile(m_root / "home/.config/quelmara.ini"), "/h/");
}

} // namespace
