// libFuzzer target: the bitmap loader on arbitrary file contents (as picture
// and as mask), then a blit of whatever loaded into a small back buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "GfxAPI.h"

namespace {

std::string scratchDir;
std::string bitmapPath;

void RemoveScratch() {
    std::remove(bitmapPath.c_str());
    rmdir(scratchDir.c_str());
}

bool WriteBitmap(const uint8_t *data, size_t size) {
    FILE *file = std::fopen(bitmapPath.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    const char *tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/quelmara-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    scratchDir = pattern;
    bitmapPath = scratchDir + "/input.bmp";
    std::atexit(RemoveScratch);
    GfxAPIInit(nullptr, 64, 48);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (!WriteBitmap(data, size))
        std::abort();
    GfxSurface *surface = GfxAPILoadNewSurface(bitmapPath.c_str(), bitmapPath.c_str());
    if (!surface)
        return 0;
    if (surface->iBmpWidth <= 0 || surface->iBmpHeight <= 0 || !surface->pPixels)
        std::abort();
    GUIRect whole{-3, 70, -2, 50};
    GfxAPIBlit(surface, &whole, 1, 1);
    GfxAPIDeleteSurface(surface);
    return 0;
}
