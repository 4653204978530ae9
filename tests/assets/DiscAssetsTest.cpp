// The sample disc: the committed generated files are exactly what the generator
// writes, every bitmap is in the format and size the program draws it at, and
// the layout, the scripts and the game folders hold what the program looks for.
#include "DiscAssets.h"
#include "GfxAPI.h"
#include "PngDump.h"
#include "SampleGames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

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

uint32_t Be(const std::vector<uint8_t> &b, size_t at, int size) {
    uint32_t v = 0;
    for (int i = 0; i < size; ++i)
        v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

struct BmpSize {
    int width;
    int height;
};

// Checks the one layout the program's bitmaps use and returns the picture's size.
BmpSize CheckBmpFormat(const std::vector<uint8_t> &b, const std::string &name) {
    EXPECT_GE(b.size(), 54u) << name;
    if (b.size() < 54)
        return {0, 0};
    EXPECT_EQ(b[0], 'B') << name;
    EXPECT_EQ(b[1], 'M') << name;
    EXPECT_EQ(Le(b, 2, 4), b.size()) << name << ": file size field";
    EXPECT_EQ(Le(b, 10, 4), 54u) << name << ": pixels right after the info header";
    EXPECT_EQ(Le(b, 14, 4), 40u) << name << ": info header size";
    const auto width = static_cast<int32_t>(Le(b, 18, 4));
    const auto height = static_cast<int32_t>(Le(b, 22, 4));
    EXPECT_GT(width, 0) << name;
    EXPECT_GT(height, 0) << name << ": bottom-up";
    EXPECT_EQ(Le(b, 26, 2), 1u) << name << ": planes";
    EXPECT_EQ(Le(b, 28, 2), 24u) << name << ": bits per pixel";
    EXPECT_EQ(Le(b, 30, 4), 0u) << name << ": BI_RGB";
    EXPECT_EQ(Le(b, 46, 4), 0u) << name << ": no colour table";
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    EXPECT_EQ(b.size(), 54 + stride * static_cast<size_t>(height)) << name;
    return {width, height};
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

TEST(DiscAssetsTest, BitmapsHaveTheFormatAndSizesTheProgramDrawsThemAt) {
    const std::map<std::string, BmpSize> expected = {
        {"button_on", {114, 28}},
        {"button_off", {114, 28}},
        {"checkbox_on", {28, 28}},
        {"checkbox_off", {28, 28}},
        {"popuparrow_on", {28, 28}},
        {"popuparrow_off", {28, 28}},
        {"progressfill", {16, 24}},
        {"windowtexture", {64, 64}},
        {"selectbar", {216, 16}},
        {"size_left", {20, 20}},
        {"size_middle", {20, 20}},
        {"size_right", {20, 20}},
        {"textarea_left", {28, 28}},
        {"textarea_middle", {28, 28}},
        {"textarea_right", {28, 28}},
        {"windowtitle_left", {20, 20}},
        {"windowtitle_middle", {20, 20}},
        {"windowtitle_right", {20, 20}},
        {"horizontal_slider_left", {14, 14}},
        {"horizontal_slider_middle", {14, 14}},
        {"horizontal_slider_right", {14, 14}},
        {"gorgoteteje", {19, 9}},
        {"gorgokozepe", {19, 4}},
        {"gorgoalja", {19, 9}},
        {"down", {20, 20}},
        {"downpushed", {20, 20}},
        {"up", {20, 20}},
        {"uppushed", {20, 20}},
        {"arrow_left1", {20, 20}},
        {"arrow_left2", {20, 20}},
        {"arrow_right1", {20, 20}},
        {"arrow_right2", {20, 20}},
        {"underhorizontal_slider_middle", {8, 20}},
        {"savkeretkozep", {16, 20}},
        {"Exit", {33, 21}},
        {"ExitPushed", {33, 21}},
        {"Save", {147, 27}},
        {"SavePushed", {147, 27}},
        {"SetupButton", {142, 22}},
        {"SetupButtonPushed", {142, 22}},
        {"NextButton", {34, 17}},
        {"NextButtonPushed", {34, 17}},
        {"BackButton", {36, 16}},
        {"BackButtonPushed", {36, 16}},
        {"SearchButton", {54, 17}},
        {"SearchButtonPushed", {54, 17}},
        {"backdrop", {800, 620}},
        {"welcome", {160, 160}},
    };
    for (const auto &[name, size] : expected) {
        const std::string path = "_data/" + name + ".bmp";
        const BmpSize got = CheckBmpFormat(ReadBytes(Disc() / path), path);
        EXPECT_EQ(got.width, size.width) << path;
        EXPECT_EQ(got.height, size.height) << path;
    }
    for (const std::string &bmp : BmpFilesUnder(Disc())) {
        if (bmp.rfind("_data/", 0) == 0)
            continue;
        const BmpSize got = CheckBmpFormat(ReadBytes(Disc() / bmp), bmp);
        EXPECT_EQ(got.width, 160) << bmp;
        EXPECT_EQ(got.height, 160) << bmp;
    }
}

TEST(DiscAssetsTest, GraphicsLayerLoadsEveryBitmapWithItsPixels) {
    for (const std::string &bmp : BmpFilesUnder(Disc())) {
        const std::vector<uint8_t> bytes = ReadBytes(Disc() / bmp);
        GfxSurface *s = GfxAPILoadNewSurface((Disc() / bmp).string().c_str(), nullptr);
        ASSERT_NE(s, nullptr) << bmp;
        EXPECT_EQ(s->iBmpWidth, static_cast<int32_t>(Le(bytes, 18, 4))) << bmp;
        EXPECT_EQ(s->iBmpHeight, static_cast<int32_t>(Le(bytes, 22, 4))) << bmp;
        // The file's last row is the picture's top row: blue, green, red.
        const uint32_t topLeft = s->pPixels[0];
        const size_t lastRow =
            bytes.size() - ((static_cast<size_t>(s->iBmpWidth) * 3 + 3) & ~size_t{3});
        EXPECT_EQ(topLeft, Le(bytes, lastRow, 3)) << bmp;
        GfxAPIDeleteSurface(s);
    }
}

// Statements of the layout as "Type[...]... "id"", by identifier.
std::map<std::string, std::string> LayoutTypesById(const std::string &script) {
    std::map<std::string, std::string> types;
    const std::regex statement(R"re(([A-Za-z]+)(\[[0-9,]*\])?(\([^)]*\))?\s*"([^"]+)")re");
    for (auto it = std::sregex_iterator(script.begin(), script.end(), statement);
         it != std::sregex_iterator(); ++it)
        types[(*it)[4]] = (*it)[1];
    return types;
}

TEST(DiscAssetsTest, LayoutDefinesEveryControlTheProgramLooksUp) {
    const std::string script = ReadText(Disc() / "_data/layout.scr");
    const auto types = LayoutTypesById(script);
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

// A list fills its view less the scroll bar's 20 pixels, so that a vertical bar
// never forces a horizontal one.
TEST(DiscAssetsTest, ListsLieInViewsThatLeaveRoomForTheBar) {
    const std::string script = ReadText(Disc() / "_data/layout.scr");
    for (const char *id : {"gamelist", "details"}) {
        const std::regex nested(
            R"re(View\[[0-9]+,[0-9]+,([0-9]+),[0-9]+\] "[a-z]+"\s*\{\s*List\[0,0,([0-9]+),0\] ")re" +
            std::string(id) + "\";");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(script, m, nested)) << id << " is not alone in a view";
        EXPECT_EQ(std::stoi(m[2]), std::stoi(m[1]) - 20) << id;
    }
}

TEST(DiscAssetsTest, ImageButtonsAndFieldsStayInTheVisiblePartOfTheScreen) {
    const std::string script = ReadText(Disc() / "_data/layout.scr");
    const std::regex placed(R"re(\[([0-9]+),([0-9]+),([0-9]+),([0-9]+)\])re");
    int count = 0;
    for (auto it = std::sregex_iterator(script.begin(), script.end(), placed);
         it != std::sregex_iterator(); ++it, ++count) {
        const int x = std::stoi((*it)[1]), y = std::stoi((*it)[2]);
        const int w = std::stoi((*it)[3]), h = std::stoi((*it)[4]);
        EXPECT_LE(x + w, 800) << it->str();
        EXPECT_LE(y + h, 590) << it->str() << " reaches the last 30 rows";
    }
    EXPECT_GT(count, 20);
    const std::map<std::string, std::string> buttons = {
        {"exitb", "33,21"}, {"instb", "147,27"}, {"setupb", "142,22"},
        {"snext", "34,17"}, {"sback", "36,16"},  {"snew", "54,17"},
    };
    for (const auto &[id, size] : buttons) {
        const std::regex sized("Button\\[[0-9]+,[0-9]+," + size + "\\]\\(\\) \"" + id + "\"");
        EXPECT_TRUE(std::regex_search(script, sized)) << id << " is not placed at " << size;
    }
}

// Comments in a script end at a CR, so a script with bare LF line ends would
// lose everything after its first comment.
TEST(DiscAssetsTest, ScriptsUseCrLfLineEndsAndNameTheirControls) {
    for (const char *name : {"_data/layout.scr", "ablak", "__editor_save.scr"}) {
        const std::string text = ReadText(Disc() / name);
        ASSERT_FALSE(text.empty()) << name;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << name << " has a bare LF at " << i;
            }
        }
    }
    const auto save = LayoutTypesById(ReadText(Disc() / "__editor_save.scr"));
    EXPECT_EQ(save.at("__editor_filename"), "Edit");
    EXPECT_EQ(save.at("__editor_save"), "Button");
    const auto about = LayoutTypesById(ReadText(Disc() / "ablak"));
    EXPECT_EQ(about.at("about"), "Window");
    EXPECT_EQ(about.at("__window_close"), "Button");
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(DiscAssetsTest, GameFoldersHoldTextsScreenshotAndProgram) {
    int games = 0;
    for (const auto &entry : fs::directory_iterator(Disc())) {
        if (!entry.is_directory() || entry.path().filename() == "_data")
            continue;
        ++games;
        const fs::path g = entry.path();
        const std::string folder = g.filename().string();
        EXPECT_TRUE(fs::exists(g / "_details")) << folder;
        EXPECT_GE(Lines(ReadText(g / "_details")).size(), 5u) << folder << ": a few paragraphs";
        const auto info = Lines(ReadText(g / "_info"));
        EXPECT_EQ(info.size(), 5u) << folder;
        const auto author = Lines(ReadText(g / "_author"));
        ASSERT_EQ(author.size(), 3u) << folder;
        EXPECT_EQ(author[1].rfind("www.", 0), 0u) << folder;
        EXPECT_NE(author[2].find('@'), std::string::npos) << folder;
        EXPECT_EQ(Lines(ReadText(g / "_authorweb")).at(0), author[1]) << folder;
        EXPECT_TRUE(fs::exists(g / "pic/ss.bmp")) << folder;
        int programs = 0;
        for (const auto &file : fs::directory_iterator(g))
            if (file.path().extension() == ".prc")
                ++programs;
        EXPECT_EQ(programs, 1) << folder;
    }
    EXPECT_EQ(games, 12);
}

TEST(DiscAssetsTest, ProgramsArePalmResourceDatabases) {
    for (const assets::ProgramFile &p : assets::GameProgramFiles()) {
        const std::vector<uint8_t> &b = p.bytes;
        ASSERT_GT(b.size(), assets::kPalmHeaderSize) << p.path;
        const std::string name(reinterpret_cast<const char *>(b.data()));
        EXPECT_FALSE(name.empty()) << p.path;
        EXPECT_LT(name.size(), 32u) << p.path;
        const bool resource = (Be(b, 32, 2) & 1) != 0;
        const std::string type(b.begin() + 60, b.begin() + 64);
        EXPECT_EQ(type, resource ? "appl" : "DATA") << p.path;
        EXPECT_EQ(resource, p.path.ends_with(".prc")) << p.path;
        const uint32_t count = Be(b, 76, 2);
        const size_t entry = resource ? 10 : 8;
        const size_t dataStart = assets::kPalmHeaderSize + entry * count + 2;
        ASSERT_LE(dataStart, b.size()) << p.path;
        uint32_t previous = static_cast<uint32_t>(dataStart);
        for (uint32_t i = 0; i < count; ++i) {
            const uint32_t offset =
                Be(b, assets::kPalmHeaderSize + entry * i + (resource ? 6 : 0), 4);
            EXPECT_GE(offset, previous) << p.path << " entry " << i;
            EXPECT_LT(offset, b.size()) << p.path << " entry " << i;
            previous = offset;
        }
    }
}

} // namespace
