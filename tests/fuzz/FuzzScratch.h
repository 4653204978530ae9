// What every fuzz target needs: a scratch folder of its own, removed when the
// process ends, a way to put an input into a file, and a check that stops the
// run on a broken property.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fuzzscratch {

// A property every input must keep.
inline void Check(bool bHolds) {
    if (!bHolds)
        std::abort();
}

inline std::filesystem::path &Folder() {
    static std::filesystem::path folder;
    return folder;
}

// Makes the scratch folder, which also serves as the configuration folder, so
// that no run touches the user's settings.
inline const std::filesystem::path &Make() {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quelmara-fuzz-XXXXXX";
    Check(mkdtemp(pattern.data()) != nullptr);
    Folder() = pattern;
    setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(Folder(), error);
    });
    return Folder();
}

inline void Write(const std::filesystem::path &path, const void *data, size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    Check(bool(
        file.write(static_cast<const char *>(data), static_cast<std::streamsize>(size)).flush()));
}

} // namespace fuzzscratch
