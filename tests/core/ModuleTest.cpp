// The checked allocator's block layout and guard reports, and the assertion
// that ends the process.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "GUIModule.h"
#include "TestFiles.h"

namespace {

const unsigned char *areaOf(const void *block) {
    return static_cast<const unsigned char *>(block) - GUI_ALLOC_HEADER_SIZE;
}

uint32_t storedWord(const void *block, size_t offset) {
    uint32_t word;
    std::memcpy(&word, areaOf(block) + offset, sizeof word);
    return word;
}

// File names are cut to their first 127 characters. Freeing a block whose
// guards were not filled would report them as damaged, naming its origin.
TEST(CheckedAllocator, BlockCarriesItsOriginAndDamagedGuardsAreReported) {
    for (const std::string &name :
         {std::string("gui\\core\\source\\GUIList"), std::string(127, 'n'), std::string(128, 'n'),
          std::string(400, 'n')}) {
        void *block = __dalloc(10, name.c_str(), 321);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 8, 0u);
        EXPECT_EQ(storedWord(block, 0), 10u);
        EXPECT_EQ(reinterpret_cast<const char *>(areaOf(block) + GUI_ALLOC_FILE_OFFSET),
                  name.substr(0, 127));
        EXPECT_EQ(storedWord(block, GUI_ALLOC_LINE_OFFSET), 321u);
        testing::internal::CaptureStderr();
        __dfree(block);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    }

    auto *block = static_cast<unsigned char *>(__dalloc(16, "gui\\core\\source\\GUIEdit", 88));
    block[-1] = 0;       // front guard, its last byte
    block[16 + 3] = 'x'; // rear guard, its fourth byte

    testing::internal::CaptureStderr();
    __dfree(block);
    const std::string report = testing::internal::GetCapturedStderr();
    for (const char *part :
         {"front", "rear", "gui\\core\\source\\GUIEdit line 88", "byte 255", "byte 3"})
        EXPECT_NE(report.find(part), std::string::npos) << part << " in " << report;
}

TEST(AssertionDeathTest, FailureWritesErrlogAndEndsWithMinusOne) {
    const testsupport::ScratchDir dir;
    EXPECT_EXIT(
        {
            std::filesystem::current_path(dir.Root());
            __msassert(1, "never", 1);
            __msassert(0, "gui\\core\\source\\GUIEditor", 1234);
        },
        testing::ExitedWithCode(255), "");
    EXPECT_EQ(testsupport::ReadFile(dir.Root() / "errlog"),
              "Assert failure\nin gui\\core\\source\\GUIEditor line 1234");
}

} // namespace
