// Set-up for the skin tests: the skin loaded once per process from the sample
// disc, a clean tree per test, and comparisons with committed reference pictures.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ControlTestSupport.h"
#include "GUIBitmap.h"
#include "GUISkin.h"
#include "PngDump.h"

namespace skintest {

inline std::filesystem::path DiscFolder() {
    return testsupport::SourcePath("disc");
}

// The place handed to the next control constructor.
inline GUIRect *At(int32_t x, int32_t y, int32_t w, int32_t h) {
    static GUIRect place;
    place = {x, x + w, y, y + h};
    return &place;
}

// Skin surfaces and the font live until the process ends, so the skin is
// loaded once; returns what the loader printed on standard output.
inline const std::string &LoadSkinOnce() {
    static const std::string printed = [] {
        testsupport::ScopedWorkingDirectory disc(DiscFolder());
        ::testing::internal::CaptureStdout();
        GUISkinLoad();
        return ::testing::internal::GetCapturedStdout();
    }();
    return printed;
}

// Bitmap controls own the picture they loaded for the rest of the run; tests
// release them before the tree goes.
inline void FreeBitmapPictures(GUIControl *ctl) {
    for (; ctl; ctl = ctl->pNext) {
        if (ctl->pType == &sGUIBitmapType) {
            GfxAPIDeleteSurface(ctl->pBackground);
            ctl->pBackground = nullptr;
        }
        FreeBitmapPictures(ctl->pFirstChild);
    }
}

class SkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadSkinOnce();
        GfxAPIInit(nullptr, 320, 240);
        pGUIControlRoot = nullptr;
        pGUIControlMarked = nullptr;
    }
    void TearDown() override {
        FreeBitmapPictures(pGUIControlRoot);
        if (pGUIControlRoot)
            GUIControlDestroy(pGUIControlRoot);
        pGUIControlMarked = nullptr;
    }
};

// Compares a rectangle of the back buffer with tests/skin/references/<name>.png.
// On a difference it names the first differing pixel and writes <name>_err.png
// beside the reference. A missing reference is written only when
// QUELMARA_UPDATE_REFERENCES=1.
inline ::testing::AssertionResult MatchesReference(const std::string &name, const GUIRect &rect) {
    const std::string folder = testsupport::SourcePath("tests/skin/references/");
    const std::string reference = folder + name + ".png";
    const std::string error = folder + name + "_err.png";
    if (!std::getenv("FONTCONFIG_FILE"))
        return ::testing::AssertionFailure()
               << "the text in " << reference << " needs the tests' pinned font: run through "
               << "ctest, or set FONTCONFIG_FILE to tests/support/fonts.conf";
    testsupport::PngImage expected;
    if (!testsupport::ReadPng(reference, expected)) {
        const char *update = std::getenv("QUELMARA_UPDATE_REFERENCES");
        if (!std::filesystem::exists(reference) && update && std::string(update) == "1" &&
            testsupport::WriteBackBufferPng(reference, rect))
            return ::testing::AssertionSuccess() << "created " << reference;
        return ::testing::AssertionFailure()
               << "cannot read " << reference
               << " (QUELMARA_UPDATE_REFERENCES=1 creates missing references)";
    }
    const testsupport::PngImage actual = testsupport::BackBufferImage(rect);
    if (expected.width == actual.width && expected.pixels == actual.pixels) {
        std::filesystem::remove(error);
        return ::testing::AssertionSuccess();
    }
    const auto first =
        std::ranges::mismatch(actual.pixels, expected.pixels).in1 - actual.pixels.begin();
    const int32_t width = std::max(actual.width, 1);
    testsupport::WriteBackBufferPng(error, rect);
    return ::testing::AssertionFailure()
           << name << " differs from its reference from pixel (" << first % width << ", "
           << first / width << "); drawn into " << error;
}

} // namespace skintest
