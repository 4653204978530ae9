// A fixture for the application tests: a fresh temporary folder per test,
// HOME and XDG_CONFIG_HOME pointed into it, and the working directory and the
// environment given back afterwards.
#pragma once

#include <gtest/gtest.h>

#include "TestFiles.h"

#include <filesystem>
#include <string>

namespace apptest {

namespace fs = std::filesystem;

using testsupport::ReadFile;
using testsupport::WriteFile;

// A game folder: a folder holding "_details".
inline void MakeGame(const fs::path &folder, const std::string &details = "About.") {
    WriteFile(folder / "_details", details);
}

class AppFixture : public ::testing::Test {
  protected:
    testsupport::ScratchDir m_dir;
    const fs::path m_root = m_dir.Root();

  private:
    testsupport::ScopedWorkingDirectory m_cwd;
    testsupport::ScopedEnvironment m_home{"HOME", (m_root / "home").string()};
    testsupport::ScopedEnvironment m_config{"XDG_CONFIG_HOME", (m_root / "config").string()};
};

} // namespace apptest
