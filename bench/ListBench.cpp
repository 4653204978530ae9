// List costs by row count: filling, selecting the last row (which scrolls the
// pane) and repainting the visible rows must not grow with the list, apart
// from the page table's occasional copies while it fills.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "GUIControl.h"
#include "GUIList.h"

namespace {

constexpr int32_t kWidth = 320;
constexpr int32_t kHeight = 240;
constexpr uint32_t kRowColour = 0x303030;
constexpr uint32_t kSelectedColour = 0xc0c0c0;

GfxFont *benchFont() {
    static GfxFont *font = GfxAPICreateFont("DejaVu Sans", 14);
    return font;
}

// Paints the rows in rect the way a skin does: one box and one text per row.
void drawRows(GUIControl *ctl, GUIRect *rect) {
    const auto *list = reinterpret_cast<GUIList *>(ctl);
    const int32_t h = list->iItemHeight;
    for (int32_t row = rect->iTop / h; row <= (rect->iBottom - 1) / h; ++row) {
        GUIRect r{0, ctl->iWidth, row * h, row * h + h};
        const bool selected = row == list->iSelected;
        GUIControlBox(ctl, &r, selected ? kSelectedColour : kRowColour);
        GUIControlText(ctl, GUIListGet(ctl, row), &r, 0, 0, benchFont(),
                       selected ? GFX_BLACK : GFX_WHITE);
    }
}

// A root with a pane that shows ten rows, holding one list.
struct Screen {
    GUIControl root{};
    GUIControl pane{};
    GUIControl *list = nullptr;

    Screen() {
        GfxAPIInit(nullptr, kWidth, kHeight);
        GUIRect whole{0, kWidth, 0, kHeight};
        GUIControlInit(&root, nullptr, &whole);
        GUIRect paneRect{20, 220, 20, 180};
        GUIControlInit(&pane, &root, &paneRect);
        GUIRect listRect{0, 200, 0, 0};
        list = GUIListNew(&pane, &listRect);
        list->Draw = drawRows;
    }
    ~Screen() { GUIControlRemove(&root); }
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;
};

std::vector<std::string> rowTexts(int64_t count) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        texts.push_back("Game number " + std::to_string(i));
    return texts;
}

void fill(GUIControl *list, const std::vector<std::string> &texts) {
    for (size_t i = 0; i < texts.size(); ++i) {
        GUIListAdd(list, texts[i].c_str());
        GUIListSetData(list, i, static_cast<int32_t>(i));
    }
}

// Each add repaints the visible rows, since the list's growth is repainted on
// its parent; with the pane hidden only the bookkeeping remains. At 100,000
// rows the C library hands the freed heap back between iterations, so the
// next fill pays first-touch page faults for every text block.
void BM_ListAddRows(benchmark::State &state, bool paneShown) {
    const auto texts = rowTexts(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<Screen>();
        screen->pane.bHidden = paneShown ? 0 : 1;
        state.ResumeTiming();
        fill(screen->list, texts);
        benchmark::DoNotOptimize(screen->list->iHeight);
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ListSelectLast(benchmark::State &state) {
    Screen screen;
    fill(screen.list, rowTexts(state.range(0)));
    const auto last = static_cast<int32_t>(state.range(0) - 1);
    for (auto _ : state) {
        GUIListSetSelection(screen.list, last);
        state.PauseTiming();
        GUIListSetSelection(screen.list, 0);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void BM_ListRedrawVisible(benchmark::State &state) {
    Screen screen;
    fill(screen.list, rowTexts(state.range(0)));
    GUIListSetSelection(screen.list, static_cast<int32_t>(state.range(0) - 1));
    for (auto _ : state)
        GUIControlRedrawThis(screen.list);
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK_CAPTURE(BM_ListAddRows, painted, true)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_ListAddRows, unpainted, false)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ListSelectLast)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::o1);
BENCHMARK(BM_ListRedrawVisible)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::o1);
