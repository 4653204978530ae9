// Bitmap loading, checked pixel by pixel against ImageMagick's reading of the
// same files, and damaged files that must be refused without a crash. (Random
// damage is the bitmap fuzzer's business.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GfxAPI.h"
#include "PngDump.h"
#include "TestFiles.h"

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<uint8_t>;
using SurfacePtr = std::unique_ptr<GfxSurface, decltype(&GfxAPIDeleteSurface)>;
using Edit = std::function<void(Bytes &)>;

constexpr int32_t kWidth = 37; // odd, so every depth pads its rows
constexpr int32_t kHeight = 23;

void putU32(Bytes &b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Turns a bottom-up file into the same picture stored top-down.
void makeTopDown(Bytes &file) {
    const uint32_t offset = file[10] | file[11] << 8 | file[12] << 16 | uint32_t{file[13]} << 24;
    const size_t stride = (file.size() - offset) / size_t{kHeight};
    const Bytes rows(file.begin() + offset, file.end());
    for (int32_t y = 0; y < kHeight; ++y)
        std::copy_n(rows.begin() + static_cast<ptrdiff_t>(stride * (kHeight - 1 - y)), stride,
                    file.begin() + static_cast<ptrdiff_t>(offset + stride * y));
    putU32(file, 22, static_cast<uint32_t>(-kHeight));
}

class BitmapFiles : public ::testing::Test {
  protected:
    testsupport::ScratchDir scratch;
    const fs::path dir = scratch.Root();

    void SetUp() override {
        if (std::system("command -v convert >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "ImageMagick's convert is not installed";
    }

    // Makes a test picture with convert; the options end with the format, as in "BMP3:".
    fs::path make(const std::string &name, const std::string &options) {
        const fs::path file = dir / name;
        const std::string command = "convert -seed 7 -size " + std::to_string(kWidth) + "x" +
                                    std::to_string(kHeight) + " plasma:fractal " + options + "'" +
                                    file.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return file;
    }
    fs::path rewrite(const fs::path &file, const Edit &edit) {
        const std::string original = testsupport::ReadFile(file);
        Bytes bytes(original.begin(), original.end());
        edit(bytes);
        const fs::path out = dir / ("edited-" + file.filename().string());
        testsupport::WriteFile(out, std::string(bytes.begin(), bytes.end()));
        return out;
    }

    // The file's pixels as ImageMagick reads them, alpha dropped.
    std::vector<uint32_t> referencePixels(const fs::path &file) {
        const std::string png = dir / "reference.png";
        const std::string command =
            "convert '" + file.string() + "' -alpha off PNG24:'" + png + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        testsupport::PngImage image;
        EXPECT_TRUE(testsupport::ReadPng(png, image)) << png;
        return image.pixels;
    }

    // The loaded pixels against ImageMagick's reading of the reference file.
    void expectSameAsReference(const fs::path &file, const fs::path &reference) {
        const SurfacePtr s(GfxAPILoadNewSurface(file.c_str(), nullptr), GfxAPIDeleteSurface);
        ASSERT_NE(s, nullptr) << file;
        ASSERT_EQ(std::pair(s->iBmpWidth, s->iBmpHeight), std::pair(kWidth, kHeight));
        const std::vector<uint32_t> expected = referencePixels(reference);
        ASSERT_EQ(expected.size(), static_cast<size_t>(kWidth * kHeight));
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(s->pPixels[i], expected[i]) << file.filename() << " at " << i;
    }

    // Loads a file that must be refused: null, and one line naming it on stderr.
    void expectRefused(const fs::path &file) {
        testing::internal::CaptureStderr();
        GfxSurface *s = GfxAPILoadNewSurface(file.c_str(), nullptr);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(s, nullptr) << file;
        GfxAPIDeleteSurface(s);
        EXPECT_NE(err.find(file.string()), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
};

TEST_F(BitmapFiles, EveryDepthAndLayoutMatchesImageMagick) {
    const std::string pal50 = "-colors 50 -type palette -compress none BMP3:";
    const struct {
        const char *name, *options;
        Edit edit;            // applied to the file before loading
        bool editedByConvert; // whether ImageMagick reads the edited file too
    } cases[] = {
        {"rgb24.bmp", "-type truecolor BMP3:", nullptr},
        {"rgb32.bmp", "-alpha set -define bmp3:alpha=true BMP3:", nullptr},
        // Version 5 headers: the pixels start where the file header says.
        {"v5argb32.bmp", "-alpha set BMP:", nullptr},
        {"rgb565.bmp", "-define bmp:subtype=RGB565 BMP:", nullptr},
        // Plain 5-5-5 without masks, the skin's format: a bitfields file relabelled.
        {"rgb555plain.bmp", "-define bmp:subtype=RGB555 BMP3:", [](Bytes &b) { putU32(b, 30, 0); },
         true},
        {"pal8.bmp", "-colors 200 -type palette -compress none BMP3:", nullptr},
        {"pal1.bmp", "-monochrome -compress none BMP3:", nullptr},
        {"down24.bmp", "-type truecolor BMP3:", makeTopDown, true},
        {"down8.bmp", pal50.c_str(), makeTopDown, true},
        // An impossible pixel offset falls back to the end of the headers, which
        // ImageMagick does not.
        {"off20.bmp", pal50.c_str(), [](Bytes &b) { putU32(b, 10, 20); }},
        {"offbig.bmp", pal50.c_str(), [](Bytes &b) { putU32(b, 10, 0x7fffffff); }},
    };
    for (const auto &c : cases) {
        const fs::path file = make(c.name, c.options);
        const fs::path edited = c.edit ? rewrite(file, c.edit) : file;
        expectSameAsReference(edited, c.editedByConvert ? edited : file);
    }
}

TEST_F(BitmapFiles, ForeignFilesImpossibleHeadersAndEveryTruncationAreRefused) {
    expectRefused(dir / "missing.bmp");
    expectRefused(dir); // a folder
    expectRefused(make("png.bmp", "PNG:"));
    expectRefused(make("rle8.bmp", "-colors 20 -type palette -compress rle BMP3:"));
    const fs::path truecolour = make("t24.bmp", "-type truecolor BMP3:");
    const std::pair<uint32_t, uint32_t> sizes[] = {
        {16385, 1}, {0, 10}, {0xffffffffu, 10}, {10, 0x80000000u}, {1000, 1000}};
    for (const auto &[w, h] : sizes)
        expectRefused(rewrite(truecolour, [w = w, h = h](Bytes &b) {
            putU32(b, 18, w);
            putU32(b, 22, h);
        }));
    for (uint16_t bpp : {0, 15, 0xffff})
        expectRefused(
            rewrite(truecolour, [bpp](Bytes &b) { b[28] = bpp & 0xff, b[29] = bpp >> 8; }));
    for (const fs::path &file :
         {truecolour, make("t4.bmp", "-colors 16 -type palette -compress none BMP3:"),
          make("t16.bmp", "-define bmp:subtype=RGB565 BMP:")}) {
        const std::string whole = testsupport::ReadFile(file);
        const size_t rowBits = size_t{kWidth} * whole[28];
        // The last row may lack its padding; one more byte missing spoils it.
        const size_t complete = whole.size() - ((rowBits + 31) / 32 * 4 - (rowBits + 7) / 8);
        // Shrinking one copy step by step is much faster than writing each length anew.
        const fs::path cut = dir / "cut.bmp";
        fs::copy_file(file, cut, fs::copy_options::overwrite_existing);
        for (size_t length = complete; length-- > 0;) {
            SCOPED_TRACE(file.filename().string() + " cut to " + std::to_string(length));
            fs::resize_file(cut, length);
            expectRefused(cut);
        }
    }
}

} // namespace
