// Properties of the committed look that the skin's drawing relies on: tiled
// pieces repeat and join without seams, the skin's white and black text stays
// readable on what lies under it, the screenshots keep to the handheld's
// palettes, and the screen's controls do not overlap.
#include "AssetImage.h"
#include "GfxAPI.h"
#include "PngDump.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

struct SurfaceDeleter {
    void operator()(GfxSurface *s) const { GfxAPIDeleteSurface(s); }
};
using Surface = std::unique_ptr<GfxSurface, SurfaceDeleter>;

fs::path Disc() {
    return testsupport::SourcePath("disc");
}

Surface Load(const std::string &relative) {
    Surface s(GfxAPILoadNewSurface((Disc() / relative).string().c_str(), nullptr));
    EXPECT_NE(s, nullptr) << relative;
    return s;
}

Surface Skin(const std::string &name) {
    return Load("_data/" + name + ".bmp");
}

uint32_t At(const GfxSurface &s, int x, int y) {
    return s.pPixels[static_cast<size_t>(y) * static_cast<size_t>(s.iBmpWidth) + x];
}

std::vector<uint32_t> Column(const GfxSurface &s, int x) {
    std::vector<uint32_t> c;
    for (int y = 0; y < s.iBmpHeight; ++y)
        c.push_back(At(s, x, y));
    return c;
}

std::vector<uint32_t> Row(const GfxSurface &s, int y) {
    std::vector<uint32_t> r;
    for (int x = 0; x < s.iBmpWidth; ++x)
        r.push_back(At(s, x, y));
    return r;
}

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double Luminance(uint32_t rgb) {
    const auto linear = [](uint32_t c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear((rgb >> 16) & 0xff) + 0.7152 * linear((rgb >> 8) & 0xff) +
           0.0722 * linear(rgb & 0xff);
}

double Contrast(uint32_t a, uint32_t b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The lowest contrast with the text colour over a rectangle of a surface.
double WorstContrast(const GfxSurface &s, int x0, int y0, int x1, int y1, uint32_t text) {
    double worst = 21;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            worst = std::min(worst, Contrast(At(s, x, y), text));
    return worst;
}

constexpr uint32_t kWhite = 0xffffff;
constexpr uint32_t kBlack = 0x000000;

TEST(SkinLook, MiddlePiecesTileAndCapsJoinThemWithoutSeams) {
    struct Strip {
        const char *left, *middle, *right;
    };
    const Strip strips[] = {
        {"size_left", "size_middle", "size_right"},
        {"textarea_left", "textarea_middle", "textarea_right"},
        {"windowtitle_left", "windowtitle_middle", "windowtitle_right"},
        {"horizontal_slider_left", "horizontal_slider_middle", "horizontal_slider_right"},
    };
    for (const Strip &s : strips) {
        const Surface left = Skin(s.left), middle = Skin(s.middle), right = Skin(s.right);
        ASSERT_TRUE(left && middle && right);
        const auto column = Column(*middle, 0);
        for (int x = 1; x < middle->iBmpWidth; ++x)
            EXPECT_EQ(Column(*middle, x), column) << s.middle << " column " << x;
        EXPECT_EQ(Column(*left, left->iBmpWidth - 1), column) << s.left;
        EXPECT_EQ(Column(*right, 0), column) << s.right;
    }
    const Surface track = Skin("underhorizontal_slider_middle");
    for (int x = 1; x < track->iBmpWidth; ++x)
        EXPECT_EQ(Column(*track, x), Column(*track, 0)) << "track column " << x;

    const Surface top = Skin("gorgoteteje"), middle = Skin("gorgokozepe"),
                  bottom = Skin("gorgoalja");
    const auto row = Row(*middle, 0);
    for (int y = 1; y < middle->iBmpHeight; ++y)
        EXPECT_EQ(Row(*middle, y), row) << "gorgokozepe row " << y;
    EXPECT_EQ(Row(*top, top->iBmpHeight - 1), row);
    EXPECT_EQ(Row(*bottom, 0), row);
}

// The list tiles the texture with a row offset, and a window repeats it: the
// wrap from the last column or row to the first must look like any other step.
TEST(SkinLook, WindowTextureWrapsLikeItsInside) {
    const Surface t = Skin("windowtexture");
    ASSERT_TRUE(t);
    const auto step = [&](int x0, int y0, int x1, int y1) {
        const uint32_t a = At(*t, x0, y0), b = At(*t, x1, y1);
        return std::abs(static_cast<int>(a & 0xff) - static_cast<int>(b & 0xff));
    };
    int insideH = 0, wrapH = 0, insideV = 0, wrapV = 0;
    const int w = t->iBmpWidth, h = t->iBmpHeight;
    for (int y = 0; y < h; ++y) {
        insideH = std::max(insideH, step(w / 2 - 1, y, w / 2, y));
        wrapH = std::max(wrapH, step(w - 1, y, 0, y));
    }
    for (int x = 0; x < w; ++x) {
        insideV = std::max(insideV, step(x, h / 2 - 1, x, h / 2));
        wrapV = std::max(wrapV, step(x, h - 1, x, 0));
    }
    EXPECT_LE(wrapH, insideH + 2);
    EXPECT_LE(wrapV, insideV + 2);
}

TEST(SkinLook, SkinTextStaysReadableOnItsBackgrounds) {
    // White text: list rows, windows, edit frames, headers, title bars, buttons.
    EXPECT_GE(WorstContrast(*Skin("windowtexture"), 0, 0, 64, 64, kWhite), 7.0);
    EXPECT_GE(WorstContrast(*Skin("textarea_middle"), 0, 3, 28, 25, kWhite), 7.0);
    EXPECT_GE(WorstContrast(*Skin("size_middle"), 0, 1, 20, 19, kWhite), 4.5);
    EXPECT_GE(WorstContrast(*Skin("windowtitle_middle"), 0, 1, 20, 19, kWhite), 4.5);
    // A released caption's cell starts at (2, 2); its glyphs begin a pixel or two lower
    // and to the right, clear of the lit rim in the rounded corner.
    EXPECT_GE(WorstContrast(*Skin("button_off"), 3, 4, 110, 18, kWhite), 4.5);
    EXPECT_GE(WorstContrast(*Skin("button_on"), 1, 1, 110, 17, kWhite), 4.5);
    // Black text on the selected row, inside its rounded ends.
    const Surface select = Skin("selectbar");
    EXPECT_GE(WorstContrast(*select, 3, 1, select->iBmpWidth - 3, 15, kBlack), 7.0);
}

// Controls of the main screen that the skin draws text into without a
// background of their own: what the backdrop shows there must carry white text.
TEST(SkinLook, BackdropCarriesWhiteTextWhereTheLayoutPutsIt) {
    const Surface backdrop = Load("_data/backdrop.bmp");
    ASSERT_TRUE(backdrop);
    std::ifstream file(Disc() / "_data/layout.scr", std::ios::binary);
    const std::string script{std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>()};
    const std::regex field(R"re(Edit\[([0-9]+),([0-9]+),([0-9]+),([0-9]+)\])re");
    int fields = 0;
    for (auto it = std::sregex_iterator(script.begin(), script.end(), field);
         it != std::sregex_iterator(); ++it, ++fields) {
        const int x = std::stoi((*it)[1]), y = std::stoi((*it)[2]);
        const int w = std::stoi((*it)[3]), h = std::stoi((*it)[4]);
        // The skin's text rectangle: 3 in from the left and top, 6 from the right.
        EXPECT_GE(
            WorstContrast(*backdrop, x + 3, y + 3, x + w - 6, std::min(y + 19, y + h), kWhite), 4.5)
            << it->str();
    }
    EXPECT_EQ(fields, 13);
}

TEST(SkinLook, ScreenshotsKeepToTheHandheldPalettes) {
    for (const auto &entry : fs::directory_iterator(Disc())) {
        const fs::path shot = entry.path() / "pic/ss.bmp";
        if (!fs::exists(shot))
            continue;
        const Surface s = Load(fs::relative(shot, Disc()).string());
        ASSERT_TRUE(s);
        std::set<uint32_t> colours;
        bool grey = true, webSafe = true;
        for (int y = 0; y < s->iBmpHeight; ++y) {
            for (int x = 0; x < s->iBmpWidth; ++x) {
                const uint32_t c = At(*s, x, y);
                colours.insert(c);
                const uint32_t r = (c >> 16) & 0xff, g = (c >> 8) & 0xff, b = c & 0xff;
                grey = grey && r == g && g == b;
                webSafe = webSafe && r % 51 == 0 && g % 51 == 0 && b % 51 == 0;
            }
        }
        if (grey)
            EXPECT_LE(colours.size(), 16u) << shot;
        else
            EXPECT_TRUE(webSafe) << shot << ": colours outside the 8-bit palette";
        EXPECT_GE(colours.size(), 4u) << shot << ": more than a blank screen";
    }
}

struct Rect {
    int x, y, w, h;
    std::string text;
};

bool Overlap(const Rect &a, const Rect &b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(SkinLook, ScreenControlsDoNotOverlap) {
    std::ifstream file(Disc() / "_data/layout.scr", std::ios::binary);
    const std::string script{std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>()};
    // Controls placed on the backdrop; lists sit at 0,0 inside their views.
    const std::regex placed(R"re((Button|Edit|View)\[([0-9]+),([0-9]+),([0-9]+),([0-9]+)\])re");
    std::vector<Rect> rects;
    for (auto it = std::sregex_iterator(script.begin(), script.end(), placed);
         it != std::sregex_iterator(); ++it)
        rects.push_back({std::stoi((*it)[2]), std::stoi((*it)[3]), std::stoi((*it)[4]),
                         std::stoi((*it)[5]), it->str()});
    rects.push_back({312, 100, 160, 160, "ss"});
    ASSERT_EQ(rects.size(), 22u);
    for (size_t i = 0; i < rects.size(); ++i)
        for (size_t j = i + 1; j < rects.size(); ++j)
            EXPECT_FALSE(Overlap(rects[i], rects[j])) << rects[i].text << " and " << rects[j].text;
}

TEST(BmpEncoding, RowsAreBottomUpBlueGreenRedAndPaddedToFourBytes) {
    assets::Image image(2, 2);
    image.Set(0, 0, assets::Rgb(1, 2, 3));
    image.Set(1, 0, assets::Rgb(4, 5, 6));
    image.Set(0, 1, assets::Rgb(7, 8, 9));
    image.Set(1, 1, assets::Rgb(10, 11, 12));
    const std::vector<uint8_t> bmp = assets::EncodeBmp(image);
    ASSERT_EQ(bmp.size(), 54u + 2 * 8);
    const std::vector<uint8_t> pixels(bmp.begin() + 54, bmp.end());
    const std::vector<uint8_t> expected = {9, 8, 7, 12, 11, 10, 0, 0, 3, 2, 1, 6, 5, 4, 0, 0};
    EXPECT_EQ(pixels, expected);
}

} // namespace
