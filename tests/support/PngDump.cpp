#include "PngDump.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include <png.h>

namespace testsupport {

namespace {

struct FileCloser {
    void operator()(FILE *f) const { std::fclose(f); }
};

} // namespace

bool WriteBackBufferPng(const std::string &path) {
    return WriteBackBufferPng(path, GUIRect{0, iGfxWidth, 0, iGfxHeight});
}

bool WriteBackBufferPng(const std::string &path, const GUIRect &rect) {
    const int32_t left = std::max(rect.iLeft, 0), top = std::max(rect.iTop, 0);
    const int32_t right = std::min(rect.iRight, iGfxWidth);
    const int32_t bottom = std::min(rect.iBottom, iGfxHeight);
    if (!pGfxBackBuffer || left >= right || top >= bottom)
        return false;
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    const auto width = static_cast<png_uint_32>(right - left);
    png_init_io(png, file.get());
    png_set_IHDR(png, info, width, static_cast<png_uint_32>(bottom - top), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(width * 3);
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = left; x < right; ++x) {
            const uint32_t p = Pixel(x, y);
            png_byte *out = &row[static_cast<size_t>(x - left) * 3];
            out[0] = static_cast<png_byte>(p >> 16);
            out[1] = static_cast<png_byte>(p >> 8);
            out[2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

namespace {

// Larger pictures than any test draws are taken for a damaged file.
constexpr png_uint_32 kMaxPngSide = 8192;

} // namespace

bool ReadPng(const std::string &path, PngImage &image) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return false;
    if (png.width == 0 || png.height == 0 || png.width > kMaxPngSide || png.height > kMaxPngSide) {
        png_image_free(&png);
        return false;
    }
    png.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&png);
        return false;
    }
    image.width = static_cast<int32_t>(png.width);
    image.height = static_cast<int32_t>(png.height);
    image.pixels.resize(static_cast<size_t>(png.width) * png.height);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] =
            (uint32_t{rgb[i * 3]} << 16) | (uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
    return true;
}

PngImage BackBufferImage(const GUIRect &rect) {
    PngImage image;
    const int32_t left = std::max(rect.iLeft, 0), top = std::max(rect.iTop, 0);
    const int32_t right = std::min(rect.iRight, iGfxWidth);
    const int32_t bottom = std::min(rect.iBottom, iGfxHeight);
    if (left >= right || top >= bottom)
        return image;
    image.width = right - left;
    image.height = bottom - top;
    image.pixels.reserve(static_cast<size_t>(image.width) * image.height);
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
