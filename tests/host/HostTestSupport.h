// Scoped environment variables and temporary folders for the host tests.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace hosttest {

inline std::vector<std::string> Shell(const std::string &script) {
    return {"/bin/sh", "-c", script};
}

// Sets (or, with no value, removes) a variable until the end of the scope.
class CScopedEnvironment {
  public:
    CScopedEnvironment(const char *name, const std::optional<std::string> &value) : m_name(name) {
        if (const char *old = std::getenv(name))
            m_old = old;
        Apply(value);
    }
    ~CScopedEnvironment() { Apply(m_old); }
    CScopedEnvironment(const CScopedEnvironment &) = delete;
    CScopedEnvironment &operator=(const CScopedEnvironment &) = delete;

  private:
    void Apply(const std::optional<std::string> &value) {
        if (value)
            setenv(m_name, value->c_str(), 1);
        else
            unsetenv(m_name);
    }

    const char *m_name;
    std::optional<std::string> m_old;
};

class CTemporaryFolder {
  public:
    CTemporaryFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quelmara-host-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~CTemporaryFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    CTemporaryFolder(const CTemporaryFolder &) = delete;
    CTemporaryFolder &operator=(const CTemporaryFolder &) = delete;

    const std::filesystem::path &Path() const { return m_path; }

    std::filesystem::path AddFile(const std::string &name, const std::string &content,
                                  bool executable) {
        using std::filesystem::perms;
        const std::filesystem::path file = m_path / name;
        std::ofstream(file) << content;
        std::filesystem::permissions(file, executable ? perms::owner_all
                                                      : perms::owner_read | perms::owner_write);
        return file;
    }

  private:
    std::filesystem::path m_path;
};

} // namespace hosttest
