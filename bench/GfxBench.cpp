// Drawing into the back buffer, each beside a plain memcpy of the same number of
// bytes: the most any drawing of that many pixels could hope for. The tiled blit
// is also timed against pixman's repeating fill (counter ours/pixman).
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include <pixman.h>

#include "GfxAPI.h"
#include "ScreenMetrics.h"
#include "SideBySide.h"

namespace {

constexpr int32_t kScreenWidth = kMainWindowWidth;
constexpr int32_t kScreenHeight = kMainWindowHeight;
constexpr int64_t kScreenBytes = int64_t{kScreenWidth} * kScreenHeight * sizeof(uint32_t);
constexpr char kTextLine[] = "Quelmara lists the games found on a disc"; // 40 characters
static_assert(sizeof(kTextLine) == 41);

GfxFont *benchFont() {
    static GfxFont *font = GfxAPICreateFont("DejaVu Sans", 16);
    return font;
}

int64_t textLineBytes() {
    return int64_t{GfxAPITextGetWidth(kTextLine, benchFont())} *
           GfxAPITextGetHeight(kTextLine, benchFont()) * int64_t{sizeof(uint32_t)};
}

void memcpyOf(benchmark::State &state, int64_t bytes) {
    std::vector<char> from(static_cast<size_t>(bytes), 1);
    std::vector<char> to(static_cast<size_t>(bytes));
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

// A square tile whose pixels all differ, so no copy can be skipped.
std::vector<uint32_t> tilePixels(int32_t side) {
    std::vector<uint32_t> pixels(static_cast<size_t>(side) * side);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0x102030u + static_cast<uint32_t>(i) * 0x010203u;
    return pixels;
}

// The screen filled with a side x side tile, by our blit and by pixman's
// repeating composite into the same back buffer; counter: ours / pixman.
void BM_TiledBlitVsPixman800x620(benchmark::State &state) {
    const auto side = static_cast<int32_t>(state.range(0));
    GfxAPIInit(nullptr, kScreenWidth, kScreenHeight);
    std::vector<uint32_t> pixels = tilePixels(side);
    GfxSurface tile{pixels.data(), side, side, nullptr, 0, 0};
    GUIRect screen{0, kScreenWidth, 0, kScreenHeight};
    pixman_image_t *source = pixman_image_create_bits(PIXMAN_x8r8g8b8, side, side, pixels.data(),
                                                      side * static_cast<int>(sizeof(uint32_t)));
    pixman_image_set_repeat(source, PIXMAN_REPEAT_NORMAL);
    pixman_image_t *target =
        pixman_image_create_bits(PIXMAN_x8r8g8b8, kScreenWidth, kScreenHeight, pGfxBackBuffer,
                                 kScreenWidth * static_cast<int>(sizeof(uint32_t)));
    bench::TimeSideBySide(
        state, "ours/pixman", [&] { GfxAPIBlit(&tile, &screen, 0, 0); },
        [&] {
            pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, target, 0, 0, 0, 0, 0, 0,
                                     kScreenWidth, kScreenHeight);
        });
    pixman_image_unref(target);
    pixman_image_unref(source);
    state.SetBytesProcessed(state.iterations() * kScreenBytes);
}
BENCHMARK(BM_TiledBlitVsPixman800x620)->Arg(4)->Arg(16)->Arg(28)->UseManualTime();

void BM_BoxFill800x620(benchmark::State &state) {
    GfxAPIInit(nullptr, kScreenWidth, kScreenHeight);
    GUIRect screen{0, kScreenWidth, 0, kScreenHeight};
    for (auto _ : state) {
        GfxAPIBox(&screen, 0);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kScreenBytes);
}
BENCHMARK(BM_BoxFill800x620);

void BM_MemcpyOf800x620(benchmark::State &state) {
    memcpyOf(state, kScreenBytes);
}
BENCHMARK(BM_MemcpyOf800x620);

// Bytes processed: the pixels of the line's cell (measured width by cell height).
void BM_TextLine40Characters(benchmark::State &state) {
    GfxAPIInit(nullptr, kScreenWidth, kScreenHeight);
    GUIRect line{10, kScreenWidth, 100, 130};
    GfxAPIText(kTextLine, &line, 0, 0, benchFont(), GFX_WHITE); // fills the glyph cache
    for (auto _ : state) {
        GfxAPIText(kTextLine, &line, 0, 0, benchFont(), GFX_WHITE);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * textLineBytes());
}
BENCHMARK(BM_TextLine40Characters);

void BM_TextLine40CharactersMeasured(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(GfxAPITextGetWidth(kTextLine, benchFont()));
    state.SetBytesProcessed(state.iterations() * textLineBytes());
}
BENCHMARK(BM_TextLine40CharactersMeasured);

void BM_MemcpyOfTextLine(benchmark::State &state) {
    memcpyOf(state, textLineBytes());
}
BENCHMARK(BM_MemcpyOfTextLine);

} // namespace
