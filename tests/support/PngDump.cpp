#include "PngDump.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>
#include <png.h>

namespace testsupport {

// Larger pictures than any test draws are taken for a damaged file.
constexpr png_uint_32 kMaxPngSide = 8192;

bool WriteBackBufferPng(const std::string &path, const GUIRect &rect) {
    const PngImage image = BackBufferImage(rect);
    if (image.pixels.empty())
        return false;
    std::vector<png_byte> rgb;
    for (const uint32_t p : image.pixels)
        rgb.insert(rgb.end(), {static_cast<png_byte>(p >> 16), static_cast<png_byte>(p >> 8),
                               static_cast<png_byte>(p)});
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&png, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

void WriteBackBufferPngIfFailed() {
    const ::testing::TestInfo *info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (info && info->result()->Failed())
        WriteBackBufferPng(OutputDir() + "/" + info->test_suite_name() + "_" + info->name() +
                           ".png");
}

bool ReadPng(const std::string &path, PngImage &image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return false;
    png.format = PNG_FORMAT_RGB;
    if (png.width == 0 || png.height == 0 || png.width > kMaxPngSide || png.height > kMaxPngSide) {
        png_image_free(&png);
        return false;
    }
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr))
        return false;
    image.width = static_cast<int32_t>(png.width);
    image.height = static_cast<int32_t>(png.height);
    image.pixels.clear();
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        image.pixels.push_back(uint32_t{rgb[i]} << 16 | uint32_t{rgb[i + 1]} << 8 | rgb[i + 2]);
    return true;
}

PngImage BackBufferImage(const GUIRect &rect) {
    PngImage image;
    const int32_t left = std::max(rect.iLeft, 0), top = std::max(rect.iTop, 0);
    const int32_t right = std::min(rect.iRight, iGfxWidth);
    const int32_t bottom = std::min(rect.iBottom, iGfxHeight);
    if (!pGfxBackBuffer || left >= right || top >= bottom)
        return image;
    image.width = right - left;
    image.height = bottom - top;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x)
            image.pixels.push_back(Pixel(x, y));
    return image;
}

uint32_t Pixel(int32_t x, int32_t y) {
    if (!pGfxBackBuffer || x < 0 || y < 0 || x >= iGfxWidth || y >= iGfxHeight)
        return 0xffffffffu;
    return pGfxBackBuffer[static_cast<size_t>(y) * iGfxWidth + x] & 0xffffffu;
}

std::string OutputDir() {
    std::filesystem::create_directories(QUELMARA_TEST_OUTPUT_DIR);
    return QUELMARA_TEST_OUTPUT_DIR;
}

std::string SourcePath(const std::string &relative) {
    return std::string(QUELMARA_SOURCE_DIR) + "/" + relative;
}

} // namespace testsupport
