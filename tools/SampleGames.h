// The sample games' program files: a small Palm resource database (.prc) per
// game, and a record database (.pdb) of words for the word game. The games'
// texts (_name, _details, _info, _author, _authorweb) are written by hand and
// committed in the game folders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

struct ProgramFile {
    std::string path; // relative to the disc
    std::vector<uint8_t> bytes;
};

std::vector<ProgramFile> GameProgramFiles();

// Size of a Palm database header, before its record or resource list.
constexpr size_t kPalmHeaderSize = 78;

} // namespace assets
