// The sample disc: the committed generated files are exactly what the generator
// writes (the skin's reference pictures read those bitmaps), and the scripts
// have the line ends and controls the program needs.
#include "DiscAssets.h"
#include "PngDump.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

fs::path Disc() {
    return testsupport::SourcePath("disc");
}

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
        ASSERT_TRUE(fs::exists(Disc() / f.path)) << f.path << " is not committed: run make assets";
        EXPECT_TRUE(ReadFile(out / f.path) == ReadFile(Disc() / f.path))
            << f.path << " differs from the generator's output: run make assets";
    }
    for (const auto &entry : fs::recursive_directory_iterator(Disc())) {
        const std::string file = fs::relative(entry.path(), Disc()).generic_string();
        EXPECT_TRUE(entry.path().extension() != ".bmp" || generated.count(file))
            << file << " is left over from an older generator";
    }
}

// Statements of a script as "Type[...]... "id"", by identifier.
std::map<std::string, std::string> TypesById(const std::string &script) {
    std::map<std::string, std::string> types;
    const std::regex statement(R"re(([A-Za-z]+)(\[[0-9,]*\])?(\([^)]*\))?\s*"([^"]+)")re");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), statement);
         it != std::sregex_iterator(); ++it)
        types[(*it)[4]] = (*it)[1];
    return types;
}

// Comments in a script end at a CR, so a script with bare LF line ends would
// lose everything after its first comment.
TEST(DiscAssetsTest, ScriptsUseCrLfLineEndsAndNameTheirControls) {
    for (const char *name : {"_data/layout.scr", "ablak", "__editor_save.scr"}) {
        const std::string text = ReadFile(Disc() / name);
        ASSERT_FALSE(text.empty()) << name;
        EXPECT_EQ(std::regex_search(text, std::regex("(^|[^\r])\n")), false) << name;
    }
    const auto save = TypesById(ReadFile(Disc() / "__editor_save.scr"));
    EXPECT_EQ(save.at("__editor_filename"), "Edit");
    EXPECT_EQ(save.at("__editor_save"), "Button");
    const auto about = TypesById(ReadFile(Disc() / "ablak"));
    EXPECT_EQ(about.at("about"), "Window");
    EXPECT_EQ(about.at("__window_close"), "Button");
}

} // namespace
