// The toolkit's one container: a vector of pointer-sized slots, paged items on
// top of it, and owned string copies on top of those. Internal to the toolkit.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum { GEN_ARRAY_PAGE_ITEMS = 256 };

typedef struct GENArray {
    uintptr_t *pData;
    int32_t iSize;
    int32_t iUsed;
    int32_t iNextFree;
    int32_t iCount;
} GENArray;

void GENArrayInit(GENArray *arr, int32_t size);
void GENArrayRelease(GENArray *arr);
void GENArrayClear(GENArray *arr);
uintptr_t GENArrayGet(GENArray *arr, int32_t i);
void GENArraySet(GENArray *arr, int32_t i, uintptr_t value);

void GENArrayInitPaged(GENArray *arr, int32_t count);
uintptr_t GENArrayGetItem(GENArray *arr, int32_t i);
void GENArraySetItem(GENArray *arr, int32_t i, uintptr_t value);
void GENArrayFreePages(GENArray *arr);
void GENArrayClearPages(GENArray *arr);

void GENArrayInitStrings(GENArray *arr, int32_t count);
int32_t GENArrayAddString(GENArray *arr, const char *text);
void GENArraySetString(GENArray *arr, int32_t i, const char *text);
const char *GENArrayGetString(GENArray *arr, int32_t i);
void GENArrayFreeStrings(GENArray *arr);
void GENArrayClearStrings(GENArray *arr);

#ifdef __cplusplus
}
#endif
