// The generic array's three layers: slot vector growth, paged items and the
// owned strings with their count and free-slot hint.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "GENArray.h"
#include "GUIModule.h"

namespace {

const char kArrayFile[] = "gui\\core\\source\\GENArray";

const char *blockFile(const void *block) {
    return static_cast<const char *>(block) - GUI_ALLOC_HEADER_SIZE + GUI_ALLOC_FILE_OFFSET;
}

uint32_t blockSize(const void *block) {
    uint32_t size;
    std::memcpy(&size, static_cast<const char *>(block) - GUI_ALLOC_HEADER_SIZE, sizeof size);
    return size;
}

TEST(GENArrayVector, GrowsToTwiceItsSizePlusOneAndReadsZeroBeyond) {
    GENArray arr{};
    GENArrayInit(&arr, 0);
    EXPECT_EQ(arr.pData, nullptr);
    EXPECT_EQ(arr.iSize, 0);

    GENArraySet(&arr, 5, 42);
    EXPECT_EQ(arr.iSize, 7);
    for (int32_t i = 0; i < 7; ++i)
        EXPECT_EQ(GENArrayGet(&arr, i), i == 5 ? 42u : 0u) << i;
    EXPECT_EQ(GENArrayGet(&arr, 7), 0u);
    EXPECT_EQ(GENArrayGet(&arr, 100000), 0u);
    EXPECT_EQ(GENArrayGet(&arr, -1), 0u);
    EXPECT_EQ(arr.iSize, 7);
    EXPECT_STREQ(blockFile(arr.pData), kArrayFile);
    EXPECT_EQ(blockSize(arr.pData), 7 * sizeof(uintptr_t));

    GENArrayClear(&arr);
    EXPECT_EQ(arr.pData, nullptr);
    EXPECT_EQ(arr.iSize, 0);
    const int32_t expectedSizes[] = {1, 3, 3, 7, 7, 7, 7, 15};
    for (int32_t i = 0; i < 8; ++i) {
        GENArraySet(&arr, i, static_cast<uintptr_t>(i) + 100);
        EXPECT_EQ(arr.iSize, expectedSizes[i]) << i;
    }
    for (int32_t i = 0; i < 8; ++i)
        EXPECT_EQ(GENArrayGet(&arr, i), static_cast<uintptr_t>(i) + 100) << i;
    GENArrayRelease(&arr);

    GENArrayInit(&arr, 4);
    EXPECT_EQ(GENArrayGet(&arr, 3), 0u);
    GENArraySet(&arr, 4, 1);
    EXPECT_EQ(arr.iSize, 9);
    GENArrayRelease(&arr);
}

TEST(GENArrayPaged, FarItemCreatesOnlyItsOwnPage) {
    GENArray arr{};
    GENArrayInitPaged(&arr, 0);
    EXPECT_EQ(arr.iSize, 1);
    EXPECT_EQ(arr.iUsed, 0);
    EXPECT_EQ(GENArrayGet(&arr, 0), 0u);

    const uintptr_t value = reinterpret_cast<uintptr_t>(&arr);
    GENArraySetItem(&arr, 300, value);
    EXPECT_EQ(arr.iSize, 3);
    EXPECT_EQ(arr.iUsed, 301);
    EXPECT_EQ(GENArrayGet(&arr, 0), 0u);
    EXPECT_EQ(GENArrayGet(&arr, 2), 0u);
    const void *page = reinterpret_cast<const void *>(GENArrayGet(&arr, 1));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(blockSize(page), GEN_ARRAY_PAGE_ITEMS * sizeof(uintptr_t));
    EXPECT_STREQ(blockFile(page), kArrayFile);

    EXPECT_EQ(GENArrayGetItem(&arr, 300), value);
    EXPECT_EQ(GENArrayGetItem(&arr, 299), 0u);
    EXPECT_EQ(GENArrayGetItem(&arr, 10), 0u);
    EXPECT_EQ(GENArrayGet(&arr, 0), 0u);
    EXPECT_EQ(GENArrayGetItem(&arr, 5000), 0u);
    GENArrayFreePages(&arr);
}

TEST(GENArrayPaged, ItemsStayPutWhileThePageTableGrowsAndAfterClearing) {
    GENArray arr{};
    GENArrayInitPaged(&arr, 600);
    EXPECT_EQ(arr.iSize, 3);
    for (int32_t i = 0; i < 2000; ++i)
        GENArraySetItem(&arr, i, static_cast<uintptr_t>(i) * 3 + 1);
    EXPECT_EQ(arr.iSize, 15);
    EXPECT_EQ(arr.iUsed, 2000);
    for (int32_t i = 0; i < 2000; ++i)
        ASSERT_EQ(GENArrayGetItem(&arr, i), static_cast<uintptr_t>(i) * 3 + 1) << i;

    GENArrayClearPages(&arr);
    EXPECT_EQ(arr.pData, nullptr);
    EXPECT_EQ(GENArrayGetItem(&arr, 5), 0u);
    GENArraySetItem(&arr, 5, 9);
    EXPECT_EQ(GENArrayGetItem(&arr, 5), 9u);
    GENArrayFreePages(&arr);
}

TEST(GENArrayStrings, AddedStringsAreCopiesAtConsecutiveIndexes) {
    GENArray arr{};
    GENArrayInitStrings(&arr, 0);
    char first[] = "alpha";
    EXPECT_EQ(GENArrayAddString(&arr, first), 0);
    EXPECT_EQ(GENArrayAddString(&arr, "beta"), 1);
    EXPECT_EQ(GENArrayAddString(&arr, ""), 2);
    EXPECT_EQ(arr.iCount, 3);
    EXPECT_EQ(arr.iNextFree, 3);

    first[0] = 'X';
    EXPECT_STREQ(GENArrayGetString(&arr, 0), "alpha");
    EXPECT_EQ(blockSize(GENArrayGetString(&arr, 0)), 6u);
    EXPECT_STREQ(blockFile(GENArrayGetString(&arr, 1)), kArrayFile);
    EXPECT_STREQ(GENArrayGetString(&arr, 2), "");
    EXPECT_STREQ(GENArrayGetString(&arr, 3), "");
    EXPECT_EQ(GENArrayGetString(&arr, 3), GENArrayGetString(&arr, 100000));
    EXPECT_EQ(GENArrayGetString(&arr, -4), GENArrayGetString(&arr, 3));
    GENArrayFreeStrings(&arr);
}

TEST(GENArrayStrings, SetStringLeavesGapsThatAdditionsFillFromTheHint) {
    GENArray arr{};
    GENArrayInitStrings(&arr, 0);
    GENArraySetString(&arr, 7, "seven");
    EXPECT_EQ(arr.iCount, 8);
    EXPECT_EQ(arr.iNextFree, 0);
    for (int32_t i = 0; i < 7; ++i)
        EXPECT_STREQ(GENArrayGetString(&arr, i), "") << i;

    GENArraySetString(&arr, 7, "SEVEN");
    EXPECT_STREQ(GENArrayGetString(&arr, 7), "SEVEN");
    for (int32_t expected = 0; expected < 7; ++expected)
        EXPECT_EQ(GENArrayAddString(&arr, "gap"), expected);
    EXPECT_EQ(GENArrayAddString(&arr, "after"), 8);
    EXPECT_EQ(arr.iCount, 9);

    GENArrayClearStrings(&arr);
    EXPECT_EQ(arr.iCount, 0);
    EXPECT_STREQ(GENArrayGetString(&arr, 7), "");
    EXPECT_EQ(GENArrayAddString(&arr, "again"), 0);
    EXPECT_EQ(arr.iCount, 1);
    GENArrayFreeStrings(&arr);
}

} // namespace
