#include "TextArena.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <new>

namespace {

// The sanitizers check memory the way the heap hands it out, not inside
// blocks of our own: built for them, every text gets a heap block.
#ifdef QUELMARA_TEXTS_ON_THE_HEAP
constexpr bool kTextsOnTheHeap = true;
#else
constexpr bool kTextsOnTheHeap = false;
#endif

constexpr std::size_t kHugePage = 2 * 1024 * 1024;

std::size_t RoundUp(std::size_t nValue, std::size_t nMultiple) {
    return (nValue + nMultiple - 1) / nMultiple * nMultiple;
}

std::size_t PaddingBefore(const char *pFree, std::size_t nAlignment) {
    return (nAlignment - reinterpret_cast<std::uintptr_t>(pFree) % nAlignment) % nAlignment;
}

// Maps nSize bytes (a multiple of kHugePage) starting on a kHugePage boundary:
// one page more is mapped and the unaligned ends are given back.
void *MapAligned(std::size_t nSize) {
    void *pMapped = mmap(nullptr, nSize + kHugePage, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pMapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto nMapped = reinterpret_cast<std::uintptr_t>(pMapped);
    const std::uintptr_t nStart = RoundUp(nMapped, kHugePage);
    const std::size_t nHead = nStart - nMapped;
    if (nHead > 0)
        munmap(pMapped, nHead);
    munmap(reinterpret_cast<void *>(nStart + nSize), kHugePage - nHead);
    // Only advice: without huge pages the block works the same, page by page.
    madvise(reinterpret_cast<void *>(nStart), nSize, MADV_HUGEPAGE);
    return reinterpret_cast<void *>(nStart);
}

} // namespace

CTextArena::~CTextArena() {
    for (const CBlock &block : m_blocks)
        munmap(block.m_pStart, block.m_nSize);
}

void *CTextArena::do_allocate(std::size_t nBytes, std::size_t nAlignment) {
    if constexpr (kTextsOnTheHeap)
        return ::operator new (nBytes, std::align_val_t{nAlignment});
    // A new block starts on a huge-page boundary, which suits any smaller alignment.
    if (nAlignment > kHugePage)
        throw std::bad_alloc();
    std::size_t nPadding = PaddingBefore(m_pFree, nAlignment);
    if (m_pFree == nullptr || nPadding > m_nLeft || nBytes > m_nLeft - nPadding) {
        AddBlock(nBytes);
        nPadding = 0;
    }
    void *pGiven = m_pFree + nPadding;
    m_pFree += nPadding + nBytes;
    m_nLeft -= nPadding + nBytes;
    return pGiven;
}

void CTextArena::do_deallocate(void *pGiven, std::size_t, std::size_t nAlignment) {
    if constexpr (kTextsOnTheHeap)
        ::operator delete (pGiven, std::align_val_t{nAlignment});
}

void CTextArena::AddBlock(std::size_t nAtLeast) {
    if (nAtLeast > SIZE_MAX - 2 * kHugePage)
        throw std::bad_alloc();
    const std::size_t nSize = RoundUp(std::max<std::size_t>(nAtLeast, 1), kHugePage);
    m_blocks.reserve(m_blocks.size() + 1);
    void *pBlock = MapAligned(nSize);
    m_blocks.push_back({pBlock, nSize});
    m_pFree = static_cast<char *>(pBlock);
    m_nLeft = nSize;
}
