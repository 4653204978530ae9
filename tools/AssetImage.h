// Pixel images for the disc's generated bitmaps: a plain 0x00RRGGBB raster with
// anti-aliased shapes (supersampled), gradients, deterministic noise and the
// 24-bit bitmap file encoding that the graphics layer reads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace assets {

// 0x00RRGGBB.
using Colour = uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return (static_cast<Colour>(r & 0xff) << 16) | (static_cast<Colour>(g & 0xff) << 8) |
           static_cast<Colour>(b & 0xff);
}
inline int Red(Colour c) {
    return static_cast<int>((c >> 16) & 0xff);
}
inline int Green(Colour c) {
    return static_cast<int>((c >> 8) & 0xff);
}
inline int Blue(Colour c) {
    return static_cast<int>(c & 0xff);
}

// Mix of a and b: t = 0 gives a, t = 1 gives b.
Colour Mix(Colour a, Colour b, double t);
// Every channel moved by delta levels, clamped.
Colour Shade(Colour c, int delta);

// Small deterministic generator (xorshift32); never seeded from the clock.
class Rng {
  public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    uint32_t Next();
    // Uniform in [0, n).
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    // Uniform in [lo, hi].
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

  private:
    uint32_t state_;
};

// Returns the colour of a point (x, y) in image coordinates (pixel centres at +0.5).
using Paint = std::function<Colour(double x, double y)>;

Paint Solid(Colour c);
// Vertical gradient from top colour at y0 to bottom colour at y1.
Paint VGradient(double y0, double y1, Colour top, Colour bottom);
// Horizontal gradient from left colour at x0 to right colour at x1.
Paint HGradient(double x0, double x1, Colour left, Colour right);

struct Point {
    double x;
    double y;
};

class Image {
  public:
    Image() = default;
    Image(int width, int height, Colour fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<Colour> &Pixels() const { return pixels_; }
    std::vector<Colour> &Pixels() { return pixels_; }

    Colour Get(int x, int y) const;
    void Set(int x, int y, Colour c);
    // Blends c over the pixel with coverage alpha in [0, 1]; outside is ignored.
    void Blend(int x, int y, Colour c, double alpha);

    void Fill(Colour c);
    void FillRect(int x, int y, int w, int h, Colour c);
    void FillRect(int x, int y, int w, int h, const Paint &paint);
    void HLine(int x0, int x1, int y, Colour c, double alpha = 1.0);
    void VLine(int x, int y0, int y1, Colour c, double alpha = 1.0);

    // Anti-aliased shapes, covered area estimated with 4 x 4 samples per pixel.
    void FillRoundRect(double x, double y, double w, double h, double radius, const Paint &paint,
                       double alpha = 1.0);
    void FillEllipse(double cx, double cy, double rx, double ry, const Paint &paint,
                     double alpha = 1.0);
    // Convex polygon, points in either winding order.
    void FillPolygon(const std::vector<Point> &points, const Paint &paint, double alpha = 1.0);
    // Thick line with round ends.
    void StrokeLine(Point a, Point b, double thickness, Colour c, double alpha = 1.0);

    // A rounded rectangle's one-pixel rim, painted and blended with the given strength.
    void Rim(double x, double y, double w, double h, double radius, const Paint &paint,
             double alpha = 1.0);
    // A rim lit from above: light at the top, dark at the bottom.
    void BevelRim(double x, double y, double w, double h, double radius, Colour light, Colour dark,
                  double alpha = 1.0) {
        Rim(x, y, w, h, radius, VGradient(y, y + h, light, dark), alpha);
    }

    // Adds horizontally streaked noise ("brushed metal") of the given amplitude in colour
    // levels. The streaks wrap around at the image's width, so the result tiles.
    void Brush(uint32_t seed, int amplitude);
    // Adds fine per-pixel grain of the given amplitude.
    void Grain(uint32_t seed, int amplitude);

    // Copies src with its top-left corner at (x, y), cut to this image.
    void Draw(const Image &src, int x, int y);
    Image Crop(int x, int y, int w, int h) const;

  private:
    // Blends paint over the pixels of the box (x0, y0)-(x1, y1) in proportion to the
    // samples for which inside holds. For a convex shape a pixel whose four
    // corners are inside is wholly inside, which saves sampling it.
    template <typename Inside>
    void FillShape(int x0, int y0, int x1, int y1, Inside inside, const Paint &paint, double alpha,
                   bool convex = true);

    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

// A 24-bit uncompressed bottom-up bitmap file: 14-byte file header, 40-byte
// info header, no colour table, rows padded to four bytes.
std::vector<uint8_t> EncodeBmp(const Image &image);

// Writes bytes to a file, creating its folder; false on failure.
bool WriteFileBytes(const std::filesystem::path &path, const std::vector<uint8_t> &bytes);
bool WriteFileText(const std::filesystem::path &path, const std::string &text);

} // namespace assets
