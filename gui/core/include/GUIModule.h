// Module start-up, the log file, the checked allocator and the assertion.
#pragma once

#include <stdint.h>
#include <stdio.h>

#ifdef __cplusplus
extern "C" {
#endif

// Block layout of the checked allocator, in bytes from the start of the area.
enum {
    GUI_ALLOC_FILE_OFFSET = 4,
    GUI_ALLOC_FILE_SIZE = 128,
    GUI_ALLOC_LINE_OFFSET = 132,
    GUI_ALLOC_FRONT_GUARD_OFFSET = 136,
    GUI_ALLOC_GUARD_SIZE = 256,
    GUI_ALLOC_HEADER_SIZE = 392,
    GUI_ALLOC_OVERHEAD = 648,
    GUI_ALLOC_FILL = 0x55,
};

extern FILE *pGUILogFile;

FILE *GUIModuleInit(void);
void GUIModuleUninit(void);

void *__dalloc(uint32_t size, const char *file, uint32_t line);
void __dfree(void *block);
void __msassert(uint8_t condition, const char *file, int32_t line);

#ifdef __cplusplus
}
#endif
