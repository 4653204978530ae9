// libFuzzer target: the bitmap loader on arbitrary file contents (as picture
// and as mask), then a blit of whatever loaded into a small back buffer.
#include <cstdint>
#include <string>

#include "FuzzScratch.h"
#include "GfxAPI.h"

namespace {
std::string bitmapPath;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    bitmapPath = fuzzscratch::Make() / "input.bmp";
    GfxAPIInit(nullptr, 64, 48);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzzscratch::Write(bitmapPath, data, size);
    GfxSurface *surface = GfxAPILoadNewSurface(bitmapPath.c_str(), bitmapPath.c_str());
    if (!surface)
        return 0;
    fuzzscratch::Check(surface->iBmpWidth > 0 && surface->iBmpHeight > 0 && surface->pPixels);
    GUIRect beyondTheBuffer{-3, 70, -2, 50};
    GfxAPIBlit(surface, &beyondTheBuffer, 1, 1);
    GfxAPIDeleteSurface(surface);
    return 0;
}
