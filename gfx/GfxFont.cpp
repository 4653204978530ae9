// Fonts and text: fontconfig picks the face, FreeType renders anti-aliased
// glyphs that are cached per font and blended into the back buffer.
#include "GfxAPI.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

struct Glyph {
    int32_t left = 0; // from the pen position to the bitmap's first column
    int32_t top = 0;  // from the baseline up to the bitmap's first row
    int32_t width = 0;
    int32_t rows = 0;
    int32_t advance = 0;
    std::vector<uint8_t> coverage; // width * rows, 0..255
    // Per row, the columns from the first to past the last covered pixel:
    // the rest of the row leaves the back buffer as it is.
    std::vector<std::pair<int32_t, int32_t>> covered;
};

} // namespace

struct GfxFont {
    FT_Face face = nullptr;
    int32_t ascender = 0;
    int32_t cellHeight = 0;
    std::unordered_map<uint32_t, Glyph> glyphs; // nodes stay put, so pointers hold
    std::array<const Glyph *, 256> latin{};     // shortcut into glyphs
};

namespace {

constexpr int32_t kDefaultCellHeight = 16; // a height of 0 asks for the platform's default
constexpr int32_t kMaxCellHeight = 1024;
constexpr char kFallbackFamily[] = "DejaVu Sans";

FT_Library library = nullptr;
bool libraryTried = false;
GfxFont *selectedFont = nullptr;

bool ensureLibraries() {
    if (!libraryTried) {
        libraryTried = true;
        if (!FcInit() || FT_Init_FreeType(&library) != 0) {
            std::fprintf(stderr, "GfxAPICreateFont: cannot start fontconfig or FreeType\n");
            library = nullptr;
        }
    }
    return library != nullptr;
}

// The file that fontconfig substitutes for a family, or an empty string.
std::string matchFontFile(const char *family, int &index) {
    FcPattern *pattern = FcPatternCreate();
    if (!pattern)
        return {};
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern *match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    std::string file;
    if (match) {
        FcChar8 *path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<const char *>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch)
            index = 0;
        FcPatternDestroy(match);
    }
    return file;
}

FT_Face openFace(const char *family) {
    int index = 0;
    const std::string file = matchFontFile(family, index);
    FT_Face face = nullptr;
    if (file.empty() || FT_New_Face(library, file.c_str(), index, &face) != 0)
        return nullptr;
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0 && face->num_charmaps > 0)
        FT_Set_Charmap(face, face->charmaps[0]);
    return face;
}

// A positive height is the cell height, a negative one the em height, as on the
// platform this layer replaces.
bool sizeFace(FT_Face face, int32_t height) {
    FT_Size_RequestRec request{};
    request.type = height < 0 ? FT_SIZE_REQUEST_TYPE_NOMINAL : FT_SIZE_REQUEST_TYPE_CELL;
    const int64_t asked = height == 0 ? kDefaultCellHeight : height;
    const int64_t pixels = std::min<int64_t>(asked < 0 ? -asked : asked, kMaxCellHeight);
    request.height = static_cast<FT_Long>(pixels * 64);
    if (FT_Request_Size(face, &request) == 0)
        return true;
    // Bitmap-only faces come in fixed sizes: take the first one.
    return face->num_fixed_sizes > 0 && FT_Select_Size(face, 0) == 0;
}

void measureCell(GfxFont &font) {
    const FT_Size_Metrics &m = font.face->size->metrics;
    FT_Pos ascender = m.ascender;
    FT_Pos descender = m.descender;
    if (FT_IS_SCALABLE(font.face)) {
        // Unrounded, so that the cell is the height that was asked for.
        ascender = FT_MulFix(font.face->ascender, m.y_scale);
        descender = FT_MulFix(font.face->descender, m.y_scale);
    }
    font.ascender = static_cast<int32_t>((ascender + 32) >> 6);
    font.cellHeight = static_cast<int32_t>((ascender - descender + 32) >> 6);
}

// Windows-1252 bytes 0x80..0x9f; the five unassigned bytes stay C1 controls.
constexpr uint16_t kCp1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

// Decodes one UTF-8 sequence at s, of the n bytes left; returns its length,
// or 0 if it is not valid (shortest form only, no surrogates, nothing past U+10FFFF).
size_t decodeUtf8(const unsigned char *s, size_t n, uint32_t &cp) {
    const unsigned char lead = s[0];
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    size_t length = 0;
    if ((lead & 0xe0) == 0xc0)
        length = 2;
    else if ((lead & 0xf0) == 0xe0)
        length = 3;
    else if ((lead & 0xf8) == 0xf0)
        length = 4;
    if (length == 0 || length > n)
        return 0;
    constexpr uint32_t kShortest[5] = {0, 0, 0x80, 0x800, 0x10000};
    cp = lead & (0x7fu >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((s[i] & 0xc0) != 0x80)
            return 0;
        cp = (cp << 6) | (s[i] & 0x3f);
    }
    if (cp < kShortest[length] || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff))
        return 0;
    return length;
}

bool isValidUtf8(const unsigned char *s) {
    return GfxAPIIsUtf8(reinterpret_cast<const char *>(s),
                        std::strlen(reinterpret_cast<const char *>(s)));
}

bool isControl(uint32_t cp) {
    return cp < 0x20 || (cp >= 0x7f && cp < 0xa0);
}

// Calls visit with each character of the text, controls left out.
template <typename Visit> void forEachCharacter(const char *text, Visit visit) {
    const auto *s = reinterpret_cast<const unsigned char *>(text);
    if (isValidUtf8(s)) {
        uint32_t cp = 0;
        while (*s) {
            // Plain ASCII, the common case, needs no decoding.
            if (*s < 0x80)
                cp = *s++;
            else
                s += decodeUtf8(s, 4, cp); // checked whole above: never past the end
            if (!isControl(cp) && !visit(cp))
                return;
        }
    } else {
        for (; *s; ++s) {
            const uint32_t cp = *s >= 0x80 && *s < 0xa0 ? kCp1252High[*s - 0x80] : *s;
            if (!isControl(cp) && !visit(cp))
                return;
        }
    }
}

void copyCoverage(const FT_Bitmap &bitmap, Glyph &glyph) {
    glyph.width = static_cast<int32_t>(bitmap.width);
    glyph.rows = static_cast<int32_t>(bitmap.rows);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.rows, 0);
    glyph.covered.assign(static_cast<size_t>(glyph.rows), {0, 0});
    for (int32_t y = 0; y < glyph.rows; ++y) {
        const unsigned char *src = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
        uint8_t *dst = glyph.coverage.data() + static_cast<size_t>(y) * glyph.width;
        auto &[first, end] = glyph.covered[static_cast<size_t>(y)];
        for (int32_t x = 0; x < glyph.width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                dst[x] = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? 255 : 0;
            else
                dst[x] = static_cast<uint8_t>(src[x] * 255 / std::max(bitmap.num_grays - 1, 1));
            if (dst[x]) {
                first = end == 0 ? x : first;
                end = x + 1;
            }
        }
    }
}

Glyph renderGlyph(FT_Face face, uint32_t cp) {
    Glyph glyph;
    if (FT_Load_Char(face, cp, FT_LOAD_RENDER) != 0)
        return glyph;
    const FT_GlyphSlot slot = face->glyph;
    glyph.advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    const FT_Bitmap &bitmap = slot->bitmap;
    const bool readable =
        bitmap.pixel_mode == FT_PIXEL_MODE_GRAY || bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (readable && bitmap.buffer)
        copyCoverage(bitmap, glyph);
    return glyph;
}

// Renders a character the first time it is asked for; the font keeps it.
const Glyph &renderedGlyphFor(GfxFont &font, uint32_t cp) {
    auto found = font.glyphs.find(cp);
    if (found == font.glyphs.end())
        found = font.glyphs.emplace(cp, renderGlyph(font.face, cp)).first;
    if (cp < font.latin.size())
        font.latin[cp] = &found->second;
    return found->second;
}

// Latin characters come from the shortcut table once they have been rendered.
inline const Glyph &glyphFor(GfxFont &font, uint32_t cp) {
    if (cp < font.latin.size() && font.latin[cp])
        return *font.latin[cp];
    return renderedGlyphFor(font, cp);
}

// A given font becomes the selected one; none means the one selected last.
GfxFont *selectFont(GfxFont *font) {
    if (font)
        selectedFont = font;
    return selectedFont;
}

// 0x00BBGGRR to the back buffer's 0x00RRGGBB.
uint32_t toBackBufferColour(uint32_t colour) {
    return ((colour & 0xff) << 16) | (colour & 0xff00) | ((colour >> 16) & 0xff);
}

// The three channels of 0x00RRGGBB spread into 16-bit lanes (blue, red,
// green from the bottom), so that one multiplication mixes them all: a lane
// never exceeds 255 * 255 + 128.
constexpr uint64_t kLanes = 0x000000ff00ff00ffull;

uint64_t spread(uint32_t colour) {
    return (colour & 0xff00ffu) | (uint64_t{colour & 0xff00u} << 24);
}

// Mixes src (spread) over dst with coverage alpha (0..255); each channel is
// x / 255 rounded, as (x + x / 256) / 256 once 128 is added.
uint32_t blend(uint32_t dst, uint64_t src, uint32_t alpha) {
    uint64_t mix = src * alpha + spread(dst) * (255 - alpha) + 0x0000008000800080ull;
    mix = ((mix + ((mix >> 8) & kLanes)) >> 8) & kLanes;
    return static_cast<uint32_t>(mix | (mix >> 24)) & 0xffffffu;
}

struct ClipBox {
    int64_t left, right, top, bottom;
};

void drawGlyph(const Glyph &glyph, int64_t x0, int64_t y0, const ClipBox &clip, uint32_t colour) {
    const int64_t ys = std::max(y0, clip.top);
    const int64_t ye = std::min(y0 + glyph.rows, clip.bottom);
    const uint64_t spreadColour = spread(colour);
    for (int64_t y = ys; y < ye; ++y) {
        const auto [first, end] = glyph.covered[static_cast<size_t>(y - y0)];
        const int64_t xs = std::max(x0 + first, clip.left);
        const int64_t xe = std::min(x0 + end, clip.right);
        const uint8_t *src = glyph.coverage.data() + (y - y0) * glyph.width;
        uint32_t *dst = pGfxBackBuffer + y * iGfxWidth;
        for (int64_t x = xs; x < xe; ++x) {
            const uint32_t a = src[x - x0];
            if (a == 255)
                dst[x] = colour;
            else if (a)
                dst[x] = blend(dst[x], spreadColour, a);
        }
    }
}

} // namespace

extern "C" {

GfxFont *GfxAPICreateFont(const char *face, int32_t height) {
    if (!ensureLibraries())
        return nullptr;
    const char *family = face ? face : "";
    FT_Face ftFace = openFace(family);
    if (!ftFace)
        ftFace = openFace(kFallbackFamily);
    if (!ftFace) {
        std::fprintf(stderr, "GfxAPICreateFont: no font found for \"%s\"\n", family);
        return nullptr;
    }
    if (!sizeFace(ftFace, height)) {
        std::fprintf(stderr, "GfxAPICreateFont: cannot size \"%s\" to %d pixels\n", family,
                     static_cast<int>(height));
        FT_Done_Face(ftFace);
        return nullptr;
    }
    auto *font = new GfxFont;
    font->face = ftFace;
    measureCell(*font);
    return font;
}

void GfxAPIText(const char *text, GUIRect *rect, int32_t offX, int32_t offY, GfxFont *font,
                uint32_t colour) {
    GfxFont *f = selectFont(font);
    if (!f || !text || !rect || !pGfxBackBuffer)
        return;
    const ClipBox clip{std::max<int64_t>(rect->iLeft, 0),
                       std::min<int64_t>(rect->iRight, iGfxWidth), std::max<int64_t>(rect->iTop, 0),
                       std::min<int64_t>(rect->iBottom, iGfxHeight)};
    if (clip.left >= clip.right || clip.top >= clip.bottom)
        return;
    const uint32_t rgb = toBackBufferColour(colour);
    int64_t penX = int64_t{rect->iLeft} - offX;
    const int64_t baseline = int64_t{rect->iTop} - offY + f->ascender;
    forEachCharacter(text, [&](uint32_t cp) {
        const Glyph &glyph = glyphFor(*f, cp);
        drawGlyph(glyph, penX + glyph.left, baseline - glyph.top, clip, rgb);
        penX += glyph.advance;
        return penX < clip.right + f->cellHeight; // no glyph reaches back further
    });
}

int32_t GfxAPITextGetWidth(const char *text, GfxFont *font) {
    GfxFont *f = selectFont(font);
    if (!f || !text)
        return 0;
    int64_t width = 0;
    forEachCharacter(text, [&](uint32_t cp) {
        width += glyphFor(*f, cp).advance;
        return true;
    });
    return static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX));
}

int32_t GfxAPITextGetHeight(const char *, GfxFont *font) {
    GfxFont *f = selectFont(font);
    return f ? f->cellHeight : 0;
}

} // extern "C"

// LeakSanitizer asks for this in sanitizer builds. fontconfig loses a few bytes
// while parsing its own configuration files; they are not ours to free.
extern "C" const char *__lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

extern "C" bool GfxAPIIsUtf8(const char *text, size_t length) {
    const auto *s = reinterpret_cast<const unsigned char *>(text);
    uint32_t cp = 0;
    while (length > 0) {
        const size_t sequence = decodeUtf8(s, length, cp);
        if (sequence == 0)
            return false;
        s += sequence;
        length -= sequence;
    }
    return true;
}
