// Bitmap files into surfaces: the whole file is read, checked against its own
// headers and converted to the back buffer's 0x00RRGGBB format, rows top-down.
#include "GfxAPI.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "GfxFile.h"

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int32_t kMaxSide = 16384;
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kCompressionBitfields = 3;
// Largest sensible file: the biggest 32-bit image plus headers and a colour table.
constexpr uint64_t kMaxFileSize = static_cast<uint64_t>(kMaxSide) * kMaxSide * 4 + 4096;

uint16_t readU16(const uint8_t *p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t readU32(const uint8_t *p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Names of the latest files that failed to load, for a start-up that tells
// the user what its disc lacks. Only the last few are kept: screenshots may
// fail again and again.
constexpr size_t kKeptFailedLoads = 64;
std::deque<std::string> failedLoads;
int32_t failedLoadCount = 0;

void reportFailure(const char *path, const char *reason) {
    std::fprintf(stderr, "GfxAPILoadNewSurface: %s: %s\n", path, reason);
    if (failedLoadCount == INT32_MAX)
        return;
    if (failedLoads.size() == kKeptFailedLoads)
        failedLoads.pop_front();
    failedLoads.emplace_back(path);
    ++failedLoadCount;
}

// The whole file, or nothing after a message.
std::optional<std::vector<uint8_t>> readWholeFile(const char *path) {
    GfxFile file;
    const char *reason = nullptr;
    if (!GfxFileOpen(&file, path, &reason)) {
        reportFailure(path, reason);
        return std::nullopt;
    }
    std::optional<std::vector<uint8_t>> bytes;
    if (file.nSize > kMaxFileSize) {
        reportFailure(path, "file too large for a bitmap");
    } else {
        bytes.emplace(static_cast<size_t>(file.nSize));
        if (!GfxFileRead(&file, bytes->data(), bytes->size())) {
            reportFailure(path, "cannot read the file");
            bytes.reset();
        }
    }
    GfxFileClose(&file);
    return bytes;
}

// One colour channel of a packed pixel: its mask's position and width. Narrow
// channels are widened to 8 bits by repeating their bits, so full stays full.
struct Channel {
    uint32_t mask = 0;
    uint32_t shift = 0;
    int32_t bits = 0;

    explicit Channel(uint32_t m) : mask(m) {
        if (!mask)
            return;
        while (!((mask >> shift) & 1u))
            ++shift;
        for (uint32_t v = mask >> shift; v; v >>= 1)
            ++bits;
    }
    uint32_t to8(uint32_t pixel) const {
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8)
            return v >> (bits - 8);
        uint32_t out = 0;
        for (int32_t pos = 8 - bits; pos > -bits; pos -= bits)
            out |= pos >= 0 ? v << pos : v >> -pos;
        return out;
    }
};

struct PackedFormat {
    Channel red, green, blue;
    uint32_t convert(uint32_t pixel) const {
        return (red.to8(pixel) << 16) | (green.to8(pixel) << 8) | blue.to8(pixel);
    }
};

// What the headers say about the pixels, already checked against the file.
struct BitmapLayout {
    int32_t width = 0;
    int32_t height = 0; // always positive here
    bool topDown = false;
    uint32_t bitsPerPixel = 0;
    size_t stride = 0;
    size_t pixelOffset = 0;
    std::vector<uint32_t> palette;      // for 1, 4 and 8 bits, already 0x00RRGGBB
    std::optional<PackedFormat> packed; // for 16 and 32 bits
};

bool isMaskMeaningful(uint32_t m) {
    // A channel mask must be one contiguous run of bits.
    if (!m)
        return false;
    while (!(m & 1u))
        m >>= 1;
    return (m & (m + 1)) == 0;
}

// Reads the colour masks of a BI_BITFIELDS file; null reason on success.
const char *readBitfields(const std::vector<uint8_t> &file, uint32_t headerSize,
                          BitmapLayout &layout, size_t &tableEnd) {
    const size_t masksAt = kFileHeaderSize + kInfoHeaderSize;
    if (headerSize == kInfoHeaderSize)
        tableEnd += 12; // the three masks follow a plain info header
    if (masksAt + 12 > file.size())
        return "truncated colour masks";
    const uint32_t r = readU32(&file[masksAt]);
    const uint32_t g = readU32(&file[masksAt + 4]);
    const uint32_t b = readU32(&file[masksAt + 8]);
    if (!isMaskMeaningful(r) || !isMaskMeaningful(g) || !isMaskMeaningful(b))
        return "invalid colour masks";
    if (layout.bitsPerPixel == 16 && ((r | g | b) >> 16))
        return "invalid colour masks";
    layout.packed = PackedFormat{Channel(r), Channel(g), Channel(b)};
    return nullptr;
}

const char *readPalette(const std::vector<uint8_t> &file, uint32_t colorsUsed, BitmapLayout &layout,
                        size_t &tableEnd) {
    const uint32_t maxColors = 1u << layout.bitsPerPixel;
    const uint32_t count = (colorsUsed == 0 || colorsUsed > maxColors) ? maxColors : colorsUsed;
    const size_t tableAt = tableEnd;
    tableEnd += static_cast<size_t>(count) * 4;
    if (tableEnd > file.size())
        return "truncated colour table";
    // Indices beyond the table show black.
    layout.palette.assign(maxColors, 0);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t *e = &file[tableAt + i * 4];
        layout.palette[i] = (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0];
    }
    return nullptr;
}

// Fills the layout from the headers; returns the reason when the file cannot be used.
const char *parseHeaders(const std::vector<uint8_t> &file, BitmapLayout &layout) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize)
        return "file too short for a bitmap";
    if (file[0] != 'B' || file[1] != 'M')
        return "not a bitmap file";
    const uint8_t *info = &file[kFileHeaderSize];
    const uint32_t headerSize = readU32(info);
    if (headerSize < kInfoHeaderSize || headerSize > file.size() - kFileHeaderSize)
        return "unsupported or damaged info header";
    const int32_t width = static_cast<int32_t>(readU32(info + 4));
    const int32_t height = static_cast<int32_t>(readU32(info + 8));
    layout.bitsPerPixel = readU16(info + 14);
    const uint32_t compression = readU32(info + 16);
    const uint32_t colorsUsed = readU32(info + 32);

    if (width <= 0 || height == 0 || width > kMaxSide || height > kMaxSide || height < -kMaxSide)
        return "image size out of range";
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;

    size_t tableEnd = kFileHeaderSize + headerSize;
    const char *reason = nullptr;
    switch (layout.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
        if (compression != kCompressionRgb)
            return "unsupported compression";
        reason = readPalette(file, colorsUsed, layout, tableEnd);
        break;
    case 16:
    case 32:
        if (compression == kCompressionBitfields) {
            reason = readBitfields(file, headerSize, layout, tableEnd);
        } else if (compression == kCompressionRgb) {
            layout.packed = layout.bitsPerPixel == 16
                                ? PackedFormat{Channel(0x7c00), Channel(0x03e0), Channel(0x001f)}
                                : PackedFormat{Channel(0xff0000), Channel(0xff00), Channel(0xff)};
        } else {
            return "unsupported compression";
        }
        break;
    case 24:
        if (compression != kCompressionRgb)
            return "unsupported compression";
        break;
    default:
        return "unsupported bits per pixel";
    }
    if (reason)
        return reason;

    // The pixel offset of the file header is used when it points past the headers
    // and into the file; otherwise the pixels follow the headers and colour table.
    const size_t offBits = readU32(&file[10]);
    layout.pixelOffset = (offBits >= tableEnd && offBits < file.size()) ? offBits : tableEnd;

    const size_t rowBits = static_cast<size_t>(width) * layout.bitsPerPixel;
    layout.stride = (rowBits + 31) / 32 * 4;
    // The last row need not carry its padding.
    const size_t needed =
        layout.stride * static_cast<size_t>(layout.height - 1) + (rowBits + 7) / 8;
    if (layout.pixelOffset > file.size() || file.size() - layout.pixelOffset < needed)
        return "truncated pixel data";
    return nullptr;
}

void convertRow(const uint8_t *src, const BitmapLayout &layout, uint32_t *dst) {
    const int32_t w = layout.width;
    switch (layout.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        const uint32_t bpp = layout.bitsPerPixel;
        const uint32_t perByte = 8 / bpp;
        const uint32_t mask = (1u << bpp) - 1;
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t byte = src[static_cast<uint32_t>(x) / perByte];
            const uint32_t shift = 8 - bpp * (static_cast<uint32_t>(x) % perByte + 1);
            dst[x] = layout.palette[(byte >> shift) & mask];
        }
        break;
    }
    case 16:
        for (int32_t x = 0; x < w; ++x)
            dst[x] = layout.packed->convert(readU16(src + 2 * x));
        break;
    case 24: {
        // Four bytes read at once where the row goes on past the pixel: the
        // fourth belongs to the next pixel and is masked off.
        int32_t x = 0;
        for (; x + 1 < w; ++x)
            dst[x] = readU32(src + 3 * x) & 0xffffffu;
        const uint8_t *p = src + 3 * x;
        dst[x] = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
        break;
    }
    case 32:
        for (int32_t x = 0; x < w; ++x)
            dst[x] = layout.packed->convert(readU32(src + 4 * x));
        break;
    default:
        break;
    }
}

// Reads and converts a bitmap file; null after a message on failure.
uint32_t *loadPixels(const char *path, int32_t &width, int32_t &height) {
    const auto file = readWholeFile(path);
    if (!file)
        return nullptr;
    BitmapLayout layout;
    if (const char *reason = parseHeaders(*file, layout)) {
        reportFailure(path, reason);
        return nullptr;
    }
    const size_t count = static_cast<size_t>(layout.width) * static_cast<size_t>(layout.height);
    auto *pixels = static_cast<uint32_t *>(std::malloc(count * sizeof(uint32_t)));
    if (!pixels) {
        reportFailure(path, "out of memory");
        return nullptr;
    }
    for (int32_t row = 0; row < layout.height; ++row) {
        const int32_t fileRow = layout.topDown ? row : layout.height - 1 - row;
        const uint8_t *src =
            file->data() + layout.pixelOffset + static_cast<size_t>(fileRow) * layout.stride;
        convertRow(src, layout, pixels + static_cast<size_t>(row) * layout.width);
    }
    width = layout.width;
    height = layout.height;
    return pixels;
}

// One byte per pixel: 1 where the mask image is light, 0 where it is dark.
uint8_t *monochromeFrom(const uint32_t *pixels, int32_t width, int32_t height) {
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    auto *mask = static_cast<uint8_t *>(std::malloc(count));
    if (!mask)
        return nullptr;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t p = pixels[i];
        const uint32_t luma =
            (((p >> 16) & 0xff) * 299 + ((p >> 8) & 0xff) * 587 + (p & 0xff) * 114) / 1000;
        mask[i] = luma >= 128 ? 1 : 0;
    }
    return mask;
}

} // namespace

extern "C" {

GfxSurface *GfxAPILoadNewSurface(const char *path, const char *maskPath) {
    if (!path) {
        reportFailure("(none)", "no file name");
        return nullptr;
    }
    auto *surface = static_cast<GfxSurface *>(std::calloc(1, sizeof(GfxSurface)));
    if (!surface) {
        reportFailure(path, "out of memory");
        return nullptr;
    }
    surface->pPixels = loadPixels(path, surface->iBmpWidth, surface->iBmpHeight);
    if (!surface->pPixels) {
        GfxAPIDeleteSurface(surface);
        return nullptr;
    }
    if (maskPath) {
        int32_t w = 0;
        int32_t h = 0;
        uint32_t *maskPixels = loadPixels(maskPath, w, h);
        if (!maskPixels) {
            GfxAPIDeleteSurface(surface);
            return nullptr;
        }
        surface->pMask = monochromeFrom(maskPixels, w, h);
        std::free(maskPixels);
        if (!surface->pMask) {
            reportFailure(maskPath, "out of memory");
            GfxAPIDeleteSurface(surface);
            return nullptr;
        }
        surface->iMaskWidth = w;
        surface->iMaskHeight = h;
    }
    return surface;
}

void GfxAPIDeleteSurface(GfxSurface *surface) {
    if (!surface)
        return;
    std::free(surface->pPixels);
    std::free(surface->pMask);
    std::free(surface);
}

int32_t GfxAPIGetFailedLoadCount(void) {
    return failedLoadCount;
}

const char *GfxAPIGetFailedLoad(int32_t index) {
    const int32_t firstKept = failedLoadCount - static_cast<int32_t>(failedLoads.size());
    if (index < firstKept || index >= failedLoadCount)
        return nullptr;
    return failedLoads[static_cast<size_t>(index - firstKept)].c_str();
}

} // extern "C"
