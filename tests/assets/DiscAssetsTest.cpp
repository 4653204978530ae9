// The sample disc: the committed generated files are exactly what the generator
// writes (the skin's reference pictures read those bitmaps), and the scripts
// have the line ends and controls the program needs.
#include "DiscAssets.h"
#include "PngDump.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

const fs::path kDisc = testsupport::SourcePath("disc");

using testsupport::ReadFile;

// One test generates the disc (slow in the sanitizer build), so the others
// read only the committed files.
TEST(DiscAssetsTest, CommittedFilesAreWhatTheGeneratorWrites) {
    const std::vector<assets::DiscFile> files = assets::GenerateDiscFiles();
    const fs::path out = fs::path(testsupport::OutputDir()) / "generated-disc";
    fs::remove_all(out);
    std::string failed;
    ASSERT_TRUE(assets::WriteDiscFiles(out, files, failed)) << failed;
    std::set<std::string> generated;
    for (const assets::DiscFile &f : files) {
        generated.insert(f.path);
        ASSERT_TRUE(fs::exists(kDisc / f.path)) << f.path << " is not committed: run make assets";
        EXPECT_TRUE(ReadFile(out / f.path) == ReadFile(kDisc / f.path))
            << f.path << " differs from the generator's output: run make assets";
    }
    for (const auto &entry : fs::recursive_directory_iterator(kDisc)) {
        const std::string file = fs::relative(entry.path(), kDisc).generic_string();
        EXPECT_TRUE(entry.path().extension() != ".bmp" || generated.count(file))
            << file << " is left over from an older generator";
    }
}

// Whether the script has a statement Type[...](...) "id".
bool Declares(const std::string &script, const std::string &type, const std::string &id) {
    const std::string statement = R"((^|[^A-Za-z]))" + type + R"((\[[0-9,]*\])?(\([^)]*\))?\s*")";
    return std::regex_search(script, std::regex(statement + id + '"'));
}

// Comments in a script end at a CR, so a script with bare LF line ends would
// lose everything after its first comment.
TEST(DiscAssetsTest, ScriptsUseCrLfLineEndsAndNameTheirControls) {
    for (const char *name : {"_data/layout.scr", "ablak", "__editor_save.scr"}) {
        const std::string text = ReadFile(kDisc / name);
        ASSERT_FALSE(text.empty()) << name;
        EXPECT_EQ(std::regex_search(text, std::regex("(^|[^\r])\n")), false) << name;
    }
    const std::string save = ReadFile(kDisc / "__editor_save.scr");
    EXPECT_TRUE(Declares(save, "Edit", "__editor_filename"));
    EXPECT_TRUE(Declares(save, "Button", "__editor_save"));
    const std::string about = ReadFile(kDisc / "ablak");
    EXPECT_TRUE(Declares(about, "Window", "about"));
    EXPECT_TRUE(Declares(about, "Button", "__window_close"));
}

} // namespace
