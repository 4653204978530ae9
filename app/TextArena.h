// Memory for the many small texts of a catalogue: handed out front to back from
// large blocks and given back only all together, when the arena goes.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <vector>

// The blocks start on huge-page boundaries and are offered to the kernel for
// huge pages, so that the texts of 10,000 games (some 14 MB) cost a handful of
// page faults instead of thousands; on a virtual machine those faults cost
// more than reading the files the texts come from.
class CTextArena final : public std::pmr::memory_resource {
  public:
    CTextArena() = default;
    CTextArena(const CTextArena &) = delete;
    CTextArena &operator=(const CTextArena &) = delete;
    ~CTextArena() override;

  private:
    void *do_allocate(std::size_t nBytes, std::size_t nAlignment) override;
    // Freed memory is not reused: texts are kept until the arena goes.
    void do_deallocate(void *pGiven, std::size_t nBytes, std::size_t nAlignment) override;
    bool do_is_equal(const std::pmr::memory_resource &other) const noexcept override {
        return this == &other;
    }
    void AddBlock(std::size_t nAtLeast);

    struct CBlock {
        void *m_pStart;
        std::size_t m_nSize;
    };
    std::vector<CBlock> m_blocks;
    char *m_pFree = nullptr;
    std::size_t m_nLeft = 0;
};
