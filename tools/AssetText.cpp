#include "AssetText.h"

#include "GfxAPI.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

namespace assets {

namespace {

constexpr char kFace[] = "DejaVu Sans";

// Fonts live for the whole run, like the graphics layer's own: the cache is
// never destroyed, so they stay reachable.
GfxFont *FontFor(int cellHeight) {
    static auto *fonts = new std::map<int, GfxFont *>;
    auto found = fonts->find(cellHeight);
    if (found == fonts->end())
        found = fonts->emplace(cellHeight, GfxAPICreateFont(kFace, cellHeight)).first;
    return found->second;
}

// The graphics layer draws into its back buffer, so the image makes a round trip
// through a back buffer of its size.
void CopyToBackBuffer(const Image &image) {
    GfxAPIInit(nullptr, image.Width(), image.Height());
    std::copy(image.Pixels().begin(), image.Pixels().end(), pGfxBackBuffer);
}

void CopyFromBackBuffer(Image &image) {
    std::copy(pGfxBackBuffer, pGfxBackBuffer + image.Pixels().size(), image.Pixels().begin());
}

uint32_t ToGfxColour(Colour c) {
    return static_cast<uint32_t>(Blue(c)) << 16 | static_cast<uint32_t>(Green(c)) << 8 |
           static_cast<uint32_t>(Red(c));
}

// 5 x 7 glyphs, '#' set.
struct PixelGlyph {
    char ch;
    const char *rows[7];
};

constexpr PixelGlyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {':', {".....", "..#..", "..#..", ".....", "..#..", "..#..", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", "....."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
    {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
    {'&', {".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"}},
    {'%', {"##..#", "##..#", "...#.", "..#..", ".#...", "#..##", "#..##"}},
    {'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    {'*', {".....", "#.#.#", ".###.", "#####", ".###.", "#.#.#", "....."}},
};

const PixelGlyph *GlyphFor(char c) {
    const char key =
        c == 'x' ? 'x' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const PixelGlyph &g : kGlyphs)
        if (g.ch == key)
            return &g;
    return nullptr;
}

} // namespace

int LabelWidth(const std::string &text, LabelFont font) {
    return GfxAPITextGetWidth(text.c_str(), FontFor(font.cellHeight)) + (font.bold ? 1 : 0);
}

void DrawLabel(Image &image, const std::string &text, LabelFont font, int x, int y, Colour colour) {
    GfxFont *f = FontFor(font.cellHeight);
    CopyToBackBuffer(image);
    GUIRect rect{x, image.Width(), y, image.Height()};
    GfxAPIText(text.c_str(), &rect, 0, 0, f, ToGfxColour(colour));
    if (font.bold) {
        rect.iLeft = x + 1;
        GfxAPIText(text.c_str(), &rect, 0, 0, f, ToGfxColour(colour));
    }
    CopyFromBackBuffer(image);
}

void DrawLabelCentred(Image &image, const std::string &text, LabelFont font, int x, int y, int w,
                      int h, Colour colour) {
    const int tx = x + (w - LabelWidth(text, font)) / 2;
    const int ty = y + (h - font.cellHeight) / 2;
    DrawLabel(image, text, font, tx, ty, colour);
}

int PixelTextWidth(const std::string &text, PixelFont font) {
    const int advance = font.bold ? 7 : 6;
    return text.empty() ? 0 : (static_cast<int>(text.size()) * advance - 1) * font.scale;
}

void DrawPixelText(Image &image, const std::string &text, int x, int y, Colour colour,
                   PixelFont font) {
    const int s = font.scale;
    const int advance = (font.bold ? 7 : 6) * s;
    for (size_t i = 0; i < text.size(); ++i) {
        const PixelGlyph *g = GlyphFor(text[i]);
        if (!g)
            continue;
        const int gx = x + static_cast<int>(i) * advance;
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g->rows[row][col] == '#')
                    image.FillRect(gx + col * s, y + row * s, font.bold ? 2 * s : s, s, colour);
    }
}

} // namespace assets
