// The checked allocator's block layout and guard reports, the log file and
// the assertion that ends the process.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "GUIModule.h"

namespace {

namespace fs = std::filesystem;

const unsigned char *areaOf(const void *block) {
    return static_cast<const unsigned char *>(block) - GUI_ALLOC_HEADER_SIZE;
}

uint32_t storedSize(const void *block) {
    uint32_t size;
    std::memcpy(&size, areaOf(block), sizeof size);
    return size;
}

const char *storedFile(const void *block) {
    return reinterpret_cast<const char *>(areaOf(block) + GUI_ALLOC_FILE_OFFSET);
}

uint32_t storedLine(const void *block) {
    uint32_t line;
    std::memcpy(&line, areaOf(block) + GUI_ALLOC_LINE_OFFSET, sizeof line);
    return line;
}

// Number of bytes from the front guard to the end of the rear guard that are
// not the fill value.
int unfilledBytes(const void *block) {
    const unsigned char *area = areaOf(block);
    int count = 0;
    const uint32_t end = GUI_ALLOC_HEADER_SIZE + storedSize(block) + GUI_ALLOC_GUARD_SIZE;
    for (uint32_t i = GUI_ALLOC_FRONT_GUARD_OFFSET; i < end; ++i)
        count += area[i] != GUI_ALLOC_FILL;
    return count;
}

std::string readFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh folder that is the working directory for the object's lifetime.
class TempWorkingDir {
  public:
    TempWorkingDir() : previous_(fs::current_path()) {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                ("quelmara-core-" + std::to_string(getpid()) + "-" + info->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
        fs::current_path(path_);
    }
    ~TempWorkingDir() {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempWorkingDir(const TempWorkingDir &) = delete;
    TempWorkingDir &operator=(const TempWorkingDir &) = delete;
    const fs::path &path() const { return path_; }

  private:
    fs::path previous_;
    fs::path path_;
};

TEST(CheckedAllocator, BlockCarriesItsOriginAndIsFramedByFilledGuards) {
    auto *block = static_cast<unsigned char *>(__dalloc(10, "gui\\core\\source\\GUIList", 321));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(block) % 8, 0u);
    EXPECT_EQ(storedSize(block), 10u);
    EXPECT_STREQ(storedFile(block), "gui\\core\\source\\GUIList");
    EXPECT_EQ(storedLine(block), 321u);
    EXPECT_EQ(unfilledBytes(block), 0);
    __dfree(block);
}

TEST(CheckedAllocator, EmptyBlocksAreDistinctAndTheirGuardsTouch) {
    auto *first = static_cast<unsigned char *>(__dalloc(0, "a", 1));
    auto *second = static_cast<unsigned char *>(__dalloc(0, "a", 2));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first[-1], GUI_ALLOC_FILL); // last byte of the front guard
    EXPECT_EQ(first[0], GUI_ALLOC_FILL);  // first byte of the rear guard
    EXPECT_EQ(unfilledBytes(first), 0);

    testing::internal::CaptureStderr();
    __dfree(first);
    __dfree(second);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(CheckedAllocator, FileNamesAreCutToTheirFirst127Characters) {
    const std::string fits(127, 'a');
    const std::string tooLong(128, 'b');
    const std::string muchTooLong(400, 'c');
    void *whole = __dalloc(4, fits.c_str(), 1);
    void *cut = __dalloc(4, tooLong.c_str(), 2);
    void *cutMore = __dalloc(4, muchTooLong.c_str(), 3);

    EXPECT_EQ(storedFile(whole), fits);
    EXPECT_EQ(storedFile(cut), tooLong.substr(0, 127));
    EXPECT_EQ(storedFile(cutMore), muchTooLong.substr(0, 127));
    EXPECT_EQ(storedLine(cutMore), 3u);
    EXPECT_EQ(unfilledBytes(cutMore), 0);

    __dfree(whole);
    __dfree(cut);
    __dfree(cutMore);
}

TEST(CheckedAllocator, DamagedGuardsAreReportedWithTheBlocksOrigin) {
    auto *block = static_cast<unsigned char *>(__dalloc(16, "gui\\core\\source\\GUIEdit", 88));
    block[-1] = 0;       // front guard, its last byte
    block[16 + 3] = 'x'; // rear guard, its fourth byte

    testing::internal::CaptureStderr();
    __dfree(block);
    const std::string report = testing::internal::GetCapturedStderr();

    EXPECT_NE(report.find("front"), std::string::npos) << report;
    EXPECT_NE(report.find("rear"), std::string::npos) << report;
    EXPECT_NE(report.find("gui\\core\\source\\GUIEdit line 88"), std::string::npos) << report;
    EXPECT_NE(report.find("byte 255"), std::string::npos) << report;
    EXPECT_NE(report.find("byte 3"), std::string::npos) << report;
}

TEST(AssertionDeathTest, FailureWritesErrlogAndEndsWithMinusOne) {
    TempWorkingDir dir;
    __msassert(1, "never", 1);
    EXPECT_FALSE(fs::exists(dir.path() / "errlog"));

    EXPECT_EXIT(__msassert(0, "gui\\core\\source\\GUIEditor", 1234), testing::ExitedWithCode(255),
                "");
    EXPECT_EQ(readFile(dir.path() / "errlog"),
              "Assert failure\nin gui\\core\\source\\GUIEditor line 1234");
}

} // namespace
