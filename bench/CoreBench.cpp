// A full repaint through the control tree beside a plain memcpy of the back
// buffer: how much the walk and the clipped primitives cost on top of moving
// the pixels.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "GUIControl.h"
#include "ScreenMetrics.h"
#include "SideBySide.h"

namespace {

constexpr int32_t kScreenWidth = kMainWindowWidth;
constexpr int32_t kScreenHeight = kMainWindowHeight;
constexpr int64_t kScreenBytes = int64_t{kScreenWidth} * kScreenHeight * sizeof(uint32_t);
constexpr int kPanels = 4;
constexpr int kChildrenPerPanel = 11;
constexpr int kControls = 1 + kPanels * (1 + kChildrenPerPanel) + 1;
static_assert(kControls == 50);

// Skin-like bitmaps: a 32 x 32 fill texture and a 4-pixel frame strip.
struct Skin {
    std::vector<uint32_t> fillPixels;
    std::vector<uint32_t> framePixels;
    GfxSurface fill{};
    GfxSurface frame{};
    Skin() : fillPixels(32 * 32), framePixels(4 * 4, 0x202020) {
        for (size_t i = 0; i < fillPixels.size(); ++i)
            fillPixels[i] = 0x404040 + static_cast<uint32_t>(i % 7) * 0x010101;
        fill = GfxSurface{fillPixels.data(), 32, 32, nullptr, 0, 0};
        frame = GfxSurface{framePixels.data(), 4, 4, nullptr, 0, 0};
    }
};

Skin &skin() {
    static Skin instance;
    return instance;
}

// Draws the way a skin does: the tiled fill, then a frame from a strip.
void drawSkinned(GUIControl *self, GUIRect *) {
    const int32_t w = self->iWidth;
    const int32_t h = self->iHeight;
    GUIRect whole{0, w, 0, h};
    GUIControlBlit(self, &skin().fill, &whole, 0, 0);
    GUIRect top{0, w, 0, 4}, bottom{0, w, h - 4, h}, left{0, 4, 4, h - 4},
        right{w - 4, w, 4, h - 4};
    GUIControlBlit(self, &skin().frame, &top, 0, 0);
    GUIControlBlit(self, &skin().frame, &bottom, 0, 0);
    GUIControlBlit(self, &skin().frame, &left, 0, 0);
    GUIControlBlit(self, &skin().frame, &right, 0, 0);
}

// A root over the whole buffer, four panels of eleven controls each (ten
// buttons and a list), and a status bar along the bottom.
class SkinnedTree {
  public:
    SkinnedTree() : controls_(kControls) {
        add(nullptr, {0, kScreenWidth, 0, kScreenHeight});
        GUIControl *root = &controls_[0];
        for (int p = 0; p < kPanels; ++p) {
            const int32_t px = 10 + (p % 2) * 395;
            const int32_t py = 10 + (p / 2) * 295;
            GUIControl *panel = add(root, {px, px + 385, py, py + 285});
            for (int b = 0; b < kChildrenPerPanel - 1; ++b) {
                const int32_t bx = 10 + (b % 2) * 95;
                const int32_t by = 10 + (b / 2) * 30;
                add(panel, {bx, bx + 90, by, by + 24});
            }
            add(panel, {200, 375, 10, 270});
        }
        add(root, {0, kScreenWidth, kScreenHeight - 20, kScreenHeight});
    }
    GUIControl *root() { return &controls_[0]; }

  private:
    std::vector<GUIControl> controls_;
    size_t used_ = 0;

    GUIControl *add(GUIControl *parent, GUIRect rect) {
        GUIControl *c = &controls_[used_++];
        GUIControlInit(c, parent, &rect);
        c->Draw = drawSkinned;
        return c;
    }
};

// Bytes processed: the whole back buffer; counter: repaint / memcpy of it.
void BM_RedrawTreeOf50Controls800x620(benchmark::State &state) {
    GfxAPIInit(nullptr, kScreenWidth, kScreenHeight);
    SkinnedTree tree;
    std::vector<char> from(static_cast<size_t>(kScreenBytes), 1);
    std::vector<char> to(static_cast<size_t>(kScreenBytes));
    bench::TimeSideBySide(
        state, "repaint/memcpy", [&] { GUIControlRedrawThis(tree.root()); },
        [&] {
            std::memcpy(to.data(), from.data(), from.size());
            benchmark::DoNotOptimize(to.data());
        });
    state.SetBytesProcessed(state.iterations() * kScreenBytes);
}
BENCHMARK(BM_RedrawTreeOf50Controls800x620)->UseManualTime();

} // namespace
