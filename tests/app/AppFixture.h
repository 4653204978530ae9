// A fixture for the application tests: a fresh temporary folder per test,
// HOME and XDG_CONFIG_HOME pointed into it, and the working directory and the
// environment given back afterwards.
#pragma once

#include <gtest/gtest.h>

#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

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
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_root = fs::temp_directory_path() /
                 ("quelmara-app-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        m_root = fs::canonical(m_root);
        m_savedCwd = fs::current_path();
        for (const char *pszName : {"HOME", "XDG_CONFIG_HOME"}) {
            const char *pszOld = std::getenv(pszName);
            m_savedVariables.emplace_back(pszName, pszOld ? std::optional<std::string>(pszOld)
                                                          : std::nullopt);
        }
        setenv("HOME", (m_root / "home").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (m_root / "config").c_str(), 1);
    }
    void TearDown() override {
        fs::current_path(m_savedCwd);
        for (const auto &[strName, value] : m_savedVariables) {
            if (value)
                setenv(strName.c_str(), value->c_str(), 1);
            else
                unsetenv(strName.c_str());
        }
        std::error_code error;
        fs::remove_all(m_root, error);
    }

    fs::path m_root;

  private:
    fs::path m_savedCwd;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_savedVariables;
};

} // namespace apptest
