// Files, folders and environment for tests: whole-file reads and writes, a
// scratch folder per test, and variables or a working directory changed for a
// scope and given back at its end.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

namespace testsupport {

inline void WriteFile(const std::filesystem::path &path, const std::string &bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder below the system's temporary folder, by its canonical path,
// removed with its contents at the end of the scope.
class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quelmara-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder in " + pattern);
        path_ = std::filesystem::canonical(pattern);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;

    const std::filesystem::path &Root() const { return path_; }
    std::string Path(const std::string &name) const { return (path_ / name).string(); }
    // Writes the bytes exactly as given and returns the file's path.
    std::string Write(const std::string &name, const std::string &bytes) const {
        WriteFile(path_ / name, bytes);
        return Path(name);
    }

  private:
    std::filesystem::path path_;
};

// Sets (or, with no value, removes) a variable until the end of the scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char *name, const std::optional<std::string> &value) : name_(name) {
        if (const char *old = std::getenv(name))
            old_ = old;
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(old_); }
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

  private:
    void Apply(const std::optional<std::string> &value) {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }

    const char *name_;
    std::optional<std::string> old_;
};

// Gives the working directory back at the end of the scope; optionally
// changes into a folder first.
class ScopedWorkingDirectory {
  public:
    ScopedWorkingDirectory() : previous_(std::filesystem::current_path()) {}
    explicit ScopedWorkingDirectory(const std::filesystem::path &folder)
        : ScopedWorkingDirectory() {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingDirectory() { std::filesystem::current_path(previous_); }
    ScopedWorkingDirectory(const ScopedWorkingDirectory &) = delete;
    ScopedWorkingDirectory &operator=(const ScopedWorkingDirectory &) = delete;

  private:
    std::filesystem::path previous_;
};

} // namespace testsupport
