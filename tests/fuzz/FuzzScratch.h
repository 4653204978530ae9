// What every fuzz target needs: a scratch folder of its own, removed when the
// process ends, a way to put an input into a file, and a check that stops the
// run on a broken property.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "TestFiles.h"

namespace fuzzscratch {

// A property every input must keep.
inline void Check(bool bHolds) {
    if (!bHolds)
        std::abort();
}

// The scratch folder, made on first use.
inline const std::filesystem::path &Folder() {
    static const testsupport::ScratchDir scratch;
    return scratch.Root();
}

// Makes the scratch folder and makes it the configuration folder too, so that
// no run touches the user's settings.
inline const std::filesystem::path &Make() {
    setenv("XDG_CONFIG_HOME", Folder().c_str(), 1);
    return Folder();
}

inline void Write(const std::filesystem::path &path, const void *data, size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    Check(bool(
        file.write(static_cast<const char *>(data), static_cast<std::streamsize>(size)).flush()));
}

} // namespace fuzzscratch
