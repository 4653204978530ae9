// Test helpers around the back buffer: writing it to PNG so a failing pixel
// test leaves a picture, reading pixels in the toolkit's colour order, and
// reading PNG files back for comparisons with reference pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GfxAPI.h"

namespace testsupport {

// Writes the back buffer, or the given rectangle of it, to a PNG file.
// Returns false if the file could not be written.
bool WriteBackBufferPng(const std::string &path,
                        const GUIRect &rect = GUIRect{0, iGfxWidth, 0, iGfxHeight});

// After a failed test, writes the back buffer to <suite>_<test>.png in OutputDir().
void WriteBackBufferPngIfFailed();

// A picture in memory: pixels as 0x00RRGGBB, rows top-down.
struct PngImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
};

// Reads a PNG file of any colour type and depth as 8-bit RGB; alpha is dropped.
// False for a missing, malformed or implausibly large file.
bool ReadPng(const std::string &path, PngImage &image);

// The given rectangle of the back buffer, cut to the buffer.
PngImage BackBufferImage(const GUIRect &rect);

// A back-buffer pixel as 0x00RRGGBB; 0xffffffff outside the buffer.
uint32_t Pixel(int32_t x, int32_t y);

// Folder for pictures written by tests (created on demand), inside the build tree.
std::string OutputDir();

// Path of a file in the source tree.
std::string SourcePath(const std::string &relative);

} // namespace testsupport
