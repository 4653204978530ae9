// Table costs by row count, 8 columns drawn with the real skin: filling grows
// with the rows, sorting as n log n, while selecting a row, scrolling a page
// and redrawing the visible part must not grow with the table.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "GUIControl.h"
#include "GUIList.h"
#include "GUISkin.h"
#include "GUITable.h"
#include "PngDump.h"
#include "SkinTestSupport.h"

namespace {

constexpr int32_t kColumns = 8;
constexpr int32_t kScreenWidth = 640;
constexpr int32_t kScreenHeight = 480;

// Cell texts in a scrambled order, so that sorting has work to do.
std::vector<std::string> cellTexts(int64_t rows) {
    std::vector<std::string> texts;
    texts.reserve(static_cast<size_t>(rows));
    for (int64_t i = 0; i < rows; ++i)
        texts.push_back("Cell " + std::to_string((i * 7919) % rows));
    return texts;
}

// A root with a 380 x 200 table of eight empty columns.
struct Screen {
    GUIControl root{};
    GUIControl *table = nullptr;

    Screen() {
        skintest::LoadSkinOnce();
        GfxAPIInit(nullptr, kScreenWidth, kScreenHeight);
        GUIRect whole{0, kScreenWidth, 0, kScreenHeight};
        GUIControlInit(&root, nullptr, &whole);
        GUIRect place{10, 390, 10, 210};
        table = GUITableNew(&root, &place);
        for (int32_t column = 0; column < kColumns; ++column)
            GUITableNewColumn(table, ("Column " + std::to_string(column)).c_str(), 80);
    }
    ~Screen() { GUIControlRemove(&root); }
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    void fill(const std::vector<std::string> &texts) const {
        for (int32_t row = 0; row < static_cast<int32_t>(texts.size()); ++row)
            for (int32_t column = 0; column < kColumns; ++column)
                GUITableSetItem(table, row, column, texts[static_cast<size_t>(row)].c_str());
    }
    GUITable *record() const { return reinterpret_cast<GUITable *>(table); }
    GUIControl *pane() const { return &record()->oBody.oPane; }
    GUIControl *list(int32_t column) const {
        for (GUIControl *c = pane()->pFirstChild; c; c = c->pNext, --column)
            if (column == 0)
                return c;
        return nullptr;
    }
};

std::unique_ptr<Screen> filledScreen(int64_t rows) {
    auto screen = std::make_unique<Screen>();
    screen->fill(cellTexts(rows));
    return screen;
}

void BM_TableFill(benchmark::State &state) {
    const auto texts = cellTexts(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto screen = std::make_unique<Screen>();
        state.ResumeTiming();
        screen->fill(texts);
        state.PauseTiming();
        screen.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0) * kColumns);
}

// Each sort starts from the identity order, which the scrambled texts make
// far from sorted; the sort includes the table's redraw.
void BM_TableSort(benchmark::State &state) {
    const auto screen = filledScreen(state.range(0));
    GENArray *order = &screen->record()->aOrder;
    const auto rows = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        for (int32_t row = 0; row < rows; ++row)
            GENArraySetItem(order, row, static_cast<uintptr_t>(row));
        state.ResumeTiming();
        GUITableSort(screen->table, 3);
    }
    state.SetComplexityN(state.range(0));
}

// Selecting the last row mirrors it into every column and scrolls the body
// down to it.
void BM_TableSelectRow(benchmark::State &state) {
    const auto screen = filledScreen(state.range(0));
    GUIControl *list = screen->list(5);
    const auto last = static_cast<int32_t>(state.range(0) - 1);
    for (auto _ : state) {
        GUIListSetSelection(list, last);
        state.PauseTiming();
        GUIListSetSelection(list, 0);
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

// One page down from the middle of the table and back, as the scroll bar does it.
void BM_TableScrollPage(benchmark::State &state) {
    const auto screen = filledScreen(state.range(0));
    GUIControl *pane = screen->pane();
    const int32_t middle = screen->list(0)->iHeight / 2;
    int32_t page = 0;
    for (auto _ : state) {
        GUIControlSetWindowPos(pane, pane->iScrollX, middle + page);
        page = page ? 0 : pane->iHeight;
    }
    state.SetComplexityN(state.range(0));
}

void BM_TableRedrawVisible(benchmark::State &state) {
    const auto screen = filledScreen(state.range(0));
    GUIControlSetWindowPos(screen->pane(), 0, screen->list(0)->iHeight / 2);
    for (auto _ : state)
        GUIControlRedrawThis(screen->table);
    state.SetComplexityN(state.range(0));
}

// 1,000, 10,000 and 100,000 rows.
void RowCounts(benchmark::internal::Benchmark *pBenchmark) {
    pBenchmark->RangeMultiplier(10)->Range(1000, 100000);
}

} // namespace

BENCHMARK(BM_TableFill)->Apply(RowCounts)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_TableSort)
    ->Apply(RowCounts)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);
BENCHMARK(BM_TableSelectRow)
    ->Apply(RowCounts)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::o1);
BENCHMARK(BM_TableScrollPage)
    ->Apply(RowCounts)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::o1);
BENCHMARK(BM_TableRedrawVisible)
    ->Apply(RowCounts)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::o1);
