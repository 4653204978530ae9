// Everything the generator puts on the sample disc, made in memory first so that
// the tool writes it and the tests compare it with the committed copy.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace assets {

struct DiscFile {
    std::string path; // relative to the disc's top folder, "/"-separated
    std::vector<uint8_t> bytes;
};

// The skin and button bitmaps, the backdrop, the layout script, and each sample
// game's screenshot and program files.
std::vector<DiscFile> GenerateDiscFiles();

// Writes the files below disc, creating folders; false after the first failure,
// with its path in failedPath.
bool WriteDiscFiles(const std::filesystem::path &disc, const std::vector<DiscFile> &files,
                    std::string &failedPath);

} // namespace assets
