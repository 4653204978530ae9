// The generic array's three layers: slot vector growth, paged items and the
// owned strings with their count (the list tests fill gaps through the
// free-slot hint).
#include <gtest/gtest.h>

#include "GENArray.h"

namespace {

TEST(GENArray, VectorGrowsToTwiceItsSizePlusOneAndReadsZeroBeyond) {
    GENArray arr{};
    GENArrayInit(&arr, 0);
    const int32_t expectedSizes[] = {1, 3, 3, 7, 7, 7, 7, 15};
    for (int32_t i = 0; i < 8; ++i) {
        GENArraySet(&arr, i, static_cast<uintptr_t>(i) + 100);
        EXPECT_EQ(arr.iSize, expectedSizes[i]) << i;
    }
    for (int32_t i = 0; i < 8; ++i)
        EXPECT_EQ(GENArrayGet(&arr, i), static_cast<uintptr_t>(i) + 100) << i;
    for (int32_t beyond : {8, 100000, -1})
        EXPECT_EQ(GENArrayGet(&arr, beyond), 0u) << beyond;
    GENArrayRelease(&arr);
}

TEST(GENArray, FarItemCreatesOnlyItsOwnPageAndItemsSurviveTableGrowth) {
    GENArray arr{};
    GENArrayInitPaged(&arr, 0);
    GENArraySetItem(&arr, 300, 7);
    EXPECT_EQ(arr.iSize, 3);
    EXPECT_EQ(arr.iUsed, 301);
    EXPECT_EQ(GENArrayGet(&arr, 0), 0u);
    EXPECT_NE(GENArrayGet(&arr, 1), 0u);
    EXPECT_EQ(GENArrayGet(&arr, 2), 0u);
    EXPECT_EQ(GENArrayGetItem(&arr, 300), 7u);
    for (int32_t empty : {299, 10, 5000, -1})
        EXPECT_EQ(GENArrayGetItem(&arr, empty), 0u) << empty;

    for (int32_t i = 0; i < 2000; ++i)
        GENArraySetItem(&arr, i, static_cast<uintptr_t>(i) * 3 + 1);
    EXPECT_EQ(arr.iSize, 15);
    for (int32_t i = 0; i < 2000; ++i)
        ASSERT_EQ(GENArrayGetItem(&arr, i), static_cast<uintptr_t>(i) * 3 + 1) << i;

    GENArrayClearPages(&arr);
    EXPECT_EQ(GENArrayGetItem(&arr, 5), 0u);
    GENArraySetItem(&arr, 5, 9);
    EXPECT_EQ(GENArrayGetItem(&arr, 5), 9u);
    GENArrayFreePages(&arr);
}

TEST(GENArray, StringsAreCopiesAndReadEmptyWhereUnset) {
    GENArray arr{};
    GENArrayInitStrings(&arr, 0);
    GENArraySetString(&arr, 7, "seven");
    EXPECT_EQ(arr.iCount, 8);
    char first[] = "alpha";
    EXPECT_EQ(GENArrayAddString(&arr, first), 0);
    first[0] = 'X';
    EXPECT_STREQ(GENArrayGetString(&arr, 0), "alpha");
    GENArraySetString(&arr, 7, "SEVEN");
    EXPECT_STREQ(GENArrayGetString(&arr, 7), "SEVEN");
    for (int32_t empty : {3, 100000, -4})
        EXPECT_STREQ(GENArrayGetString(&arr, empty), "") << empty;

    GENArrayClearStrings(&arr);
    EXPECT_EQ(arr.iCount, 0);
    EXPECT_STREQ(GENArrayGetString(&arr, 7), "");
    EXPECT_EQ(GENArrayAddString(&arr, "again"), 0);
    GENArrayFreeStrings(&arr);
}

} // namespace
