// What every fuzz target needs: a scratch folder of its own, removed when the
// process ends, and a way to put an input into a file.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fuzzscratch {

inline std::filesystem::path &Folder() {
    static std::filesystem::path folder;
    return folder;
}

inline const std::filesystem::path &Make() {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quelmara-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    Folder() = pattern;
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(Folder(), error);
    });
    return Folder();
}

inline void Write(const std::filesystem::path &path, const void *data, size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(static_cast<const char *>(data), static_cast<std::streamsize>(size)).flush())
        std::abort();
}

} // namespace fuzzscratch
