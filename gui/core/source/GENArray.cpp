// The generic array: a growable vector of slots, paged items kept in a table
// of 256-slot pages, and owned string copies stored as paged items.
#include "GENArray.h"

#include <cstdint>
#include <cstring>

#include "GUIModule.h"

namespace {

const char *const kSourceFile = "gui\\core\\source\\GENArray";

// The largest slot count whose block the allocator can be asked for.
constexpr int64_t kMaxSlots =
    (int64_t{UINT32_MAX} - GUI_ALLOC_OVERHEAD) / static_cast<int64_t>(sizeof(uintptr_t));

uintptr_t *allocateZeroedSlots(int64_t slots, uint32_t line) {
    if (slots > kMaxSlots)
        return nullptr;
    const auto bytes = static_cast<uint32_t>(slots * static_cast<int64_t>(sizeof(uintptr_t)));
    auto *block = static_cast<uintptr_t *>(__dalloc(bytes, kSourceFile, line));
    if (block)
        std::memset(block, 0, bytes);
    return block;
}

// Doubles the storage (plus one slot) until slot i exists. False when a block
// cannot be had; the array then keeps its previous storage.
bool growToHold(GENArray *arr, int32_t i) {
    while (i >= arr->iSize) {
        const int64_t grown = 2 * int64_t{arr->iSize} + 1;
        if (grown > INT32_MAX)
            return false;
        uintptr_t *block = allocateZeroedSlots(grown, __LINE__);
        if (!block)
            return false;
        if (arr->pData) {
            std::memcpy(block, arr->pData, static_cast<size_t>(arr->iSize) * sizeof(uintptr_t));
            __dfree(arr->pData);
        }
        arr->pData = block;
        arr->iSize = static_cast<int32_t>(grown);
    }
    return true;
}

uintptr_t *pageOf(GENArray *arr, int32_t i) {
    return reinterpret_cast<uintptr_t *>(GENArrayGet(arr, i / GEN_ARRAY_PAGE_ITEMS));
}

// Stores an item, creating its page first. False when the page or the page
// table could not grow.
bool storeItem(GENArray *arr, int32_t i, uintptr_t value) {
    if (i < 0 || i == INT32_MAX)
        return false;
    uintptr_t *page = pageOf(arr, i);
    if (!page) {
        const int32_t pageIndex = i / GEN_ARRAY_PAGE_ITEMS;
        page = allocateZeroedSlots(GEN_ARRAY_PAGE_ITEMS, __LINE__);
        if (!page)
            return false;
        if (!growToHold(arr, pageIndex)) {
            __dfree(page);
            return false;
        }
        arr->pData[pageIndex] = reinterpret_cast<uintptr_t>(page);
    }
    page[i % GEN_ARRAY_PAGE_ITEMS] = value;
    if (arr->iUsed < i + 1)
        arr->iUsed = i + 1;
    return true;
}

void freePages(GENArray *arr) {
    for (int32_t p = 0; p < arr->iSize; ++p)
        if (arr->pData[p])
            __dfree(reinterpret_cast<void *>(arr->pData[p]));
}

void freeStrings(GENArray *arr) {
    for (int32_t i = 0; i < arr->iUsed; ++i)
        if (uintptr_t text = GENArrayGetItem(arr, i))
            __dfree(reinterpret_cast<void *>(text));
}

char *copyString(const char *text) {
    const char *source = text ? text : "";
    const size_t length = std::strlen(source);
    if (length >= UINT32_MAX - GUI_ALLOC_OVERHEAD)
        return nullptr;
    auto *copy =
        static_cast<char *>(__dalloc(static_cast<uint32_t>(length + 1), kSourceFile, __LINE__));
    if (copy)
        std::memcpy(copy, source, length + 1);
    return copy;
}

// Stores an owned copy of text at i. False, with nothing stored, on failure.
bool storeString(GENArray *arr, int32_t i, const char *text) {
    char *copy = copyString(text);
    if (!copy)
        return false;
    if (!storeItem(arr, i, reinterpret_cast<uintptr_t>(copy))) {
        __dfree(copy);
        return false;
    }
    if (arr->iCount < i + 1)
        arr->iCount = i + 1;
    return true;
}

} // namespace

extern "C" {

void GENArrayInit(GENArray *arr, int32_t size) {
    arr->iSize = size;
    arr->pData = size >= 1 ? allocateZeroedSlots(size, __LINE__) : nullptr;
    if (!arr->pData)
        arr->iSize = 0;
}

void GENArrayRelease(GENArray *arr) {
    if (arr->pData)
        __dfree(arr->pData);
}

void GENArrayClear(GENArray *arr) {
    GENArrayRelease(arr);
    arr->pData = nullptr;
    arr->iSize = 0;
}

uintptr_t GENArrayGet(GENArray *arr, int32_t i) {
    if (i < 0 || i >= arr->iSize)
        return 0;
    return arr->pData[i];
}

void GENArraySet(GENArray *arr, int32_t i, uintptr_t value) {
    if (i >= 0 && growToHold(arr, i))
        arr->pData[i] = value;
}

void GENArrayInitPaged(GENArray *arr, int32_t count) {
    GENArrayInit(arr, (count - 1) / GEN_ARRAY_PAGE_ITEMS + 1);
    arr->iUsed = 0;
}

uintptr_t GENArrayGetItem(GENArray *arr, int32_t i) {
    if (i < 0)
        return 0;
    const uintptr_t *page = pageOf(arr, i);
    return page ? page[i % GEN_ARRAY_PAGE_ITEMS] : 0;
}

void GENArraySetItem(GENArray *arr, int32_t i, uintptr_t value) {
    storeItem(arr, i, value);
}

void GENArrayFreePages(GENArray *arr) {
    freePages(arr);
    GENArrayRelease(arr);
}

void GENArrayClearPages(GENArray *arr) {
    freePages(arr);
    GENArrayClear(arr);
}

void GENArrayInitStrings(GENArray *arr, int32_t count) {
    GENArrayInitPaged(arr, count);
    arr->iNextFree = 0;
    arr->iCount = 0;
}

int32_t GENArrayAddString(GENArray *arr, const char *text) {
    int32_t i = arr->iNextFree;
    while (i < arr->iUsed && GENArrayGetItem(arr, i) != 0)
        ++i;
    if (!storeString(arr, i, text))
        return -1;
    arr->iNextFree = i + 1;
    return i;
}

void GENArraySetString(GENArray *arr, int32_t i, const char *text) {
    if (i < 0)
        return;
    if (uintptr_t old = GENArrayGetItem(arr, i)) {
        __dfree(reinterpret_cast<void *>(old));
        storeItem(arr, i, 0);
    }
    storeString(arr, i, text);
}

const char *GENArrayGetString(GENArray *arr, int32_t i) {
    static const char empty[] = "";
    const uintptr_t text = GENArrayGetItem(arr, i);
    return text ? reinterpret_cast<const char *>(text) : empty;
}

void GENArrayFreeStrings(GENArray *arr) {
    freeStrings(arr);
    GENArrayFreePages(arr);
}

void GENArrayClearStrings(GENArray *arr) {
    freeStrings(arr);
    arr->iCount = 0;
    arr->iNextFree = 0;
    GENArrayClearPages(arr);
}

} // extern "C"
