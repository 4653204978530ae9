// Test helpers around the back buffer: writing it to PNG so a failing pixel
// test leaves a picture, and reading pixels in the toolkit's colour order.
#pragma once

#include <cstdint>
#include <string>

#include "GfxAPI.h"

namespace testsupport {

// Writes the back buffer, or the given rectangle of it, to a PNG file.
// Returns false if the file could not be written.
bool WriteBackBufferPng(const std::string &path);
bool WriteBackBufferPng(const std::string &path, const GUIRect &rect);

// A back-buffer pixel as 0x00RRGGBB; 0xffffffff outside the buffer.
uint32_t Pixel(int32_t x, int32_t y);

// Folder for pictures written by tests (created on demand), inside the build tree.
std::string OutputDir();

// Path of a file in the source tree.
std::string SourcePath(const std::string &relative);

} // namespace testsupport
