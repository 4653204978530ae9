// Module start-up, the log file, the checked allocator and the assertion.
#include "GUIModule.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

FILE *pGUILogFile = nullptr;

namespace {

struct BlockHeader {
    uint32_t size;
    const char *file;
    uint32_t line;
};

unsigned char *areaOf(void *block) {
    return static_cast<unsigned char *>(block) - GUI_ALLOC_HEADER_SIZE;
}

BlockHeader readHeader(const unsigned char *area) {
    BlockHeader h;
    std::memcpy(&h.size, area, sizeof h.size);
    h.file = reinterpret_cast<const char *>(area + GUI_ALLOC_FILE_OFFSET);
    std::memcpy(&h.line, area + GUI_ALLOC_LINE_OFFSET, sizeof h.line);
    return h;
}

// Index of the first byte of a guard that is not the fill value, or -1.
int firstDamagedByte(const unsigned char *guard) {
    for (int i = 0; i < GUI_ALLOC_GUARD_SIZE; ++i)
        if (guard[i] != GUI_ALLOC_FILL)
            return i;
    return -1;
}

void reportDamage(const BlockHeader &h, const char *which, int index) {
    const char *format = "Checked allocator: %s guard of a %u-byte block from %s line %u "
                         "overwritten at byte %d\n";
    std::fprintf(stderr, format, which, h.size, h.file, h.line, index);
    if (pGUILogFile) {
        std::fprintf(pGUILogFile, format, which, h.size, h.file, h.line, index);
        std::fflush(pGUILogFile);
    }
}

} // namespace

extern "C" {

FILE *GUIModuleInit(void) {
    pGUILogFile = std::fopen("GUI.log", "wb");
    return pGUILogFile;
}

void GUIModuleUninit(void) {
    if (pGUILogFile) {
        std::fclose(pGUILogFile);
        pGUILogFile = nullptr;
    }
}

void *__dalloc(uint32_t size, const char *file, uint32_t line) {
    auto *area =
        static_cast<unsigned char *>(std::malloc(static_cast<size_t>(size) + GUI_ALLOC_OVERHEAD));
    if (!area)
        return nullptr;
    std::memcpy(area, &size, sizeof size);
    char *name = reinterpret_cast<char *>(area + GUI_ALLOC_FILE_OFFSET);
    const char *source = file ? file : "";
    const size_t length = strnlen(source, GUI_ALLOC_FILE_SIZE - 1);
    std::memcpy(name, source, length);
    std::memset(name + length, 0, GUI_ALLOC_FILE_SIZE - length);
    std::memcpy(area + GUI_ALLOC_LINE_OFFSET, &line, sizeof line);
    std::memset(area + GUI_ALLOC_FRONT_GUARD_OFFSET, GUI_ALLOC_FILL,
                static_cast<size_t>(size) + 2 * GUI_ALLOC_GUARD_SIZE);
    return area + GUI_ALLOC_HEADER_SIZE;
}

void __dfree(void *block) {
    unsigned char *area = areaOf(block);
    const BlockHeader h = readHeader(area);
    const int front = firstDamagedByte(area + GUI_ALLOC_FRONT_GUARD_OFFSET);
    if (front >= 0)
        reportDamage(h, "front", front);
    const int rear = firstDamagedByte(area + GUI_ALLOC_HEADER_SIZE + h.size);
    if (rear >= 0)
        reportDamage(h, "rear", rear);
    std::free(area);
}

void __msassert(uint8_t condition, const char *file, int32_t line) {
    if (condition)
        return;
    if (FILE *log = std::fopen("errlog", "wb")) {
        std::fprintf(log, "Assert failure\nin %s line %d", file ? file : "", line);
        std::fclose(log);
    }
    std::exit(-1);
}

} // extern "C"
