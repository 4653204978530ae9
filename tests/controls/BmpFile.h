// Builds small 24-bit bitmap files for the tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace testsupport {

// A bottom-up 24-bit file of w x h pixels; colour(x, y) gives 0x00RRGGBB for
// the pixel at (x, y), counted from the top.
inline std::string Bmp24(int32_t w, int32_t h,
                         const std::function<uint32_t(int32_t, int32_t)> &colour) {
    const int32_t stride = (w * 3 + 3) & ~3;
    const uint32_t dataSize = static_cast<uint32_t>(stride * h);
    std::string file;
    auto put = [&file](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    file += "BM";
    put(54 + dataSize, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<uint32_t>(w), 4);
    put(static_cast<uint32_t>(h), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(dataSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int32_t y = h - 1; y >= 0; --y) {
        for (int32_t x = 0; x < w; ++x)
            put(colour(x, y), 3);
        put(0, stride - w * 3);
    }
    return file;
}

} // namespace testsupport
