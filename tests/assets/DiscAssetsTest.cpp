// The sample disc: the committed generated files are exactly what the generator
// writes, every bitmap is in the one format the program loads, and the layout
// and scripts hold the controls the program looks up.
#include "DiscAssets.h"
#include "AssetImage.h"
#include "GfxAPI.h"
#include "PngDump.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

fs::path Disc() {
    return testsupport::SourcePath("disc");
}

std::vector<uint8_t> ReadBytes(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string ReadText(const fs::path &path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

uint32_t Le(const std::vector<uint8_t> &b, size_t at, int size) {
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

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
        EXPECT_TRUE(ReadBytes(out / f.path) == ReadBytes(Disc() / f.path))
            << f.path << " differs from the generator's output: run make assets";
    }
    for (const std::string &bmp : BmpFilesUnder(Disc()))
        EXPECT_TRUE(generated.count(bmp)) << bmp << " is left over from an older generator";
}

// Uncompressed, bottom-up, 24 bits, no colour table; the graphics layer loads
// each with its size and its top-left pixel (the file's last row: blue, green, red).
TEST(DiscAssetsTest, EveryBitmapHasTheOneFormatTheProgramLoads) {
    for (const std::string &bmp : BmpFilesUnder(Disc())) {
        const std::vector<uint8_t> b = ReadBytes(Disc() / bmp);
        ASSERT_GE(b.size(), 54u) << bmp;
        EXPECT_TRUE(b[0] == 'B' && b[1] == 'M') << bmp;
        const auto width = static_cast<int32_t>(Le(b, 18, 4));
        const auto height = static_cast<int32_t>(Le(b, 22, 4));
        const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
        ASSERT_GT(width, 0) << bmp;
        ASSERT_GT(height, 0) << bmp;
        EXPECT_EQ(Le(b, 2, 4), b.size()) << bmp << ": file size field";
        EXPECT_EQ(Le(b, 10, 4), 54u) << bmp << ": pixels right after the info header";
        EXPECT_EQ(Le(b, 14, 4), 40u) << bmp << ": info header size";
        EXPECT_EQ(Le(b, 28, 2), 24u) << bmp << ": bits per pixel";
        EXPECT_EQ(Le(b, 30, 4), 0u) << bmp << ": BI_RGB";
        EXPECT_EQ(Le(b, 46, 4), 0u) << bmp << ": no colour table";
        ASSERT_EQ(b.size(), 54 + stride * static_cast<size_t>(height)) << bmp;

        GfxSurface *s = GfxAPILoadNewSurface((Disc() / bmp).string().c_str(), nullptr);
        ASSERT_NE(s, nullptr) << bmp;
        EXPECT_EQ(s->iBmpWidth, width) << bmp;
        EXPECT_EQ(s->iBmpHeight, height) << bmp;
        EXPECT_EQ(s->pPixels[0], Le(b, b.size() - stride, 3)) << bmp;
        GfxAPIDeleteSurface(s);
    }
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

TEST(DiscAssetsTest, LayoutDefinesEveryControlTheProgramLooksUp) {
    const std::string script = ReadText(Disc() / "_data/layout.scr");
    const auto types = TypesById(script);
    const std::map<std::string, std::string> required = {
        {"exitb", "Button"},  {"instb", "Button"}, {"setupb", "Button"}, {"snext", "Button"},
        {"sback", "Button"},  {"snew", "Button"},  {"stext", "Edit"},    {"sfolder", "Edit"},
        {"gamelist", "List"}, {"details", "List"}, {"name", "Edit"},     {"msg0", "Edit"},
        {"msg1", "Edit"},     {"info0", "Edit"},   {"info1", "Edit"},    {"info2", "Edit"},
        {"info3", "Edit"},    {"info4", "Edit"},   {"au0", "Edit"},      {"au1", "Edit"},
        {"au2", "Edit"},      {"ss", "Bitmap"},
    };
    for (const auto &[id, type] : required) {
        ASSERT_TRUE(types.count(id)) << id << " missing from the layout";
        EXPECT_EQ(types.at(id), type) << id;
    }
    EXPECT_NE(script.find("Desktop(800,620)"), std::string::npos);
}

// Comments in a script end at a CR, so a script with bare LF line ends would
// lose everything after its first comment.
TEST(DiscAssetsTest, ScriptsUseCrLfLineEndsAndNameTheirControls) {
    for (const char *name : {"_data/layout.scr", "ablak", "__editor_save.scr"}) {
        const std::string text = ReadText(Disc() / name);
        ASSERT_FALSE(text.empty()) << name;
        EXPECT_EQ(std::regex_search(text, std::regex("(^|[^\r])\n")), false) << name;
    }
    const auto save = TypesById(ReadText(Disc() / "__editor_save.scr"));
    EXPECT_EQ(save.at("__editor_filename"), "Edit");
    EXPECT_EQ(save.at("__editor_save"), "Button");
    const auto about = TypesById(ReadText(Disc() / "ablak"));
    EXPECT_EQ(about.at("about"), "Window");
    EXPECT_EQ(about.at("__window_close"), "Button");
}

} // namespace
