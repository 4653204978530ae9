// The sample disc: the committed generated files are exactly what the generator
// writes, bitmaps are encoded as the program reads them, and the scripts have
// the line ends and controls the program needs.
#include "DiscAssets.h"
#include "AssetImage.h"
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

std::vector<std::string> BmpFilesUnder(const fs::path &root) {
    std::vector<std::string> out;
    for (const auto &entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().extension() == ".bmp")
            out.push_back(fs::relative(entry.path(), root).generic_string());
    return out;
}

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
    for (const std::string &bmp : BmpFilesUnder(Disc()))
        EXPECT_TRUE(generated.count(bmp)) << bmp << " is left over from an older generator";
}

TEST(BmpEncoding, RowsAreBottomUpBlueGreenRedAndPaddedToFourBytes) {
    assets::Image image(2, 2);
    image.Set(0, 0, assets::Rgb(1, 2, 3));
    image.Set(1, 0, assets::Rgb(4, 5, 6));
    image.Set(0, 1, assets::Rgb(7, 8, 9));
    image.Set(1, 1, assets::Rgb(10, 11, 12));
    const std::vector<uint8_t> bmp = assets::EncodeBmp(image);
    ASSERT_EQ(bmp.size(), 54u + 2 * 8);
    EXPECT_EQ(std::vector<uint8_t>(bmp.begin() + 54, bmp.end()),
              (std::vector<uint8_t>{9, 8, 7, 12, 11, 10, 0, 0, 3, 2, 1, 6, 5, 4, 0, 0}));
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
