#include "AssetImage.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace assets {

namespace {

constexpr int kSamples = 4; // per axis, for anti-aliasing

int ClampLevel(int v) {
    return std::clamp(v, 0, 255);
}

int RoundLevel(double v) {
    return ClampLevel(static_cast<int>(std::floor(v + 0.5)));
}

// Distance check for a rounded rectangle without square roots.
bool InsideRoundRect(double px, double py, double x, double y, double w, double h, double r) {
    if (px < x || py < y || px >= x + w || py >= y + h)
        return false;
    const double cx = std::clamp(px, x + r, x + w - r);
    const double cy = std::clamp(py, y + r, y + h - r);
    const double dx = px - cx;
    const double dy = py - cy;
    return dx * dx + dy * dy <= r * r;
}

double Cross(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

void PutLe16(std::vector<uint8_t> &out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xff));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xff));
}

void PutLe32(std::vector<uint8_t> &out, uint32_t v) {
    PutLe16(out, v & 0xffff);
    PutLe16(out, v >> 16);
}

} // namespace

Colour Mix(Colour a, Colour b, double t) {
    const auto channel = [t](int ca, int cb) { return RoundLevel(ca + (cb - ca) * t); };
    return Rgb(channel(Red(a), Red(b)), channel(Green(a), Green(b)), channel(Blue(a), Blue(b)));
}

Colour Shade(Colour c, int delta) {
    return Rgb(ClampLevel(Red(c) + delta), ClampLevel(Green(c) + delta),
               ClampLevel(Blue(c) + delta));
}

uint32_t Rng::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

Paint Solid(Colour c) {
    return [c](double, double) { return c; };
}

Paint VGradient(double y0, double y1, Colour top, Colour bottom) {
    return [=](double, double y) {
        const double t = y1 > y0 ? std::clamp((y - y0) / (y1 - y0), 0.0, 1.0) : 0.0;
        return Mix(top, bottom, t);
    };
}

Paint HGradient(double x0, double x1, Colour left, Colour right) {
    return [=](double x, double) {
        const double t = x1 > x0 ? std::clamp((x - x0) / (x1 - x0), 0.0, 1.0) : 0.0;
        return Mix(left, right, t);
    };
}

Image::Image(int width, int height, Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

Colour Image::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Image::Set(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Image::Blend(int x, int y, Colour c, double alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0)
        return;
    Colour &dst = pixels_[static_cast<size_t>(y) * width_ + x];
    dst = alpha >= 1.0 ? c : Mix(dst, c, alpha);
}

void Image::Fill(Colour c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
}

void Image::FillRect(int x, int y, int w, int h, Colour c) {
    FillRect(x, y, w, h, Solid(c));
}

void Image::FillRect(int x, int y, int w, int h, const Paint &paint) {
    for (int py = std::max(y, 0); py < std::min(y + h, height_); ++py)
        for (int px = std::max(x, 0); px < std::min(x + w, width_); ++px)
            Set(px, py, paint(px + 0.5, py + 0.5));
}

void Image::HLine(int x0, int x1, int y, Colour c, double alpha) {
    for (int x = x0; x < x1; ++x)
        Blend(x, y, c, alpha);
}

void Image::VLine(int x, int y0, int y1, Colour c, double alpha) {
    for (int y = y0; y < y1; ++y)
        Blend(x, y, c, alpha);
}

template <typename Inside>
void Image::FillShape(int x0, int y0, int x1, int y1, Inside inside, const Paint &paint,
                      double alpha, bool convex) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, width_);
    y1 = std::min(y1, height_);
    constexpr int kAll = kSamples * kSamples;
    for (int py = y0; py < y1; ++py) {
        for (int px = x0; px < x1; ++px) {
            int hits = 0;
            if (convex && inside(px, py) && inside(px + 1.0, py) && inside(px, py + 1.0) &&
                inside(px + 1.0, py + 1.0)) {
                hits = kAll;
            } else {
                for (int sy = 0; sy < kSamples; ++sy)
                    for (int sx = 0; sx < kSamples; ++sx)
                        hits += inside(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
            }
            if (hits)
                Blend(px, py, paint(px + 0.5, py + 0.5), alpha * hits / static_cast<double>(kAll));
        }
    }
}

void Image::FillRoundRect(double x, double y, double w, double h, double radius, const Paint &paint,
                          double alpha) {
    const double r = std::min({radius, w / 2, h / 2});
    FillShape(
        static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)),
        static_cast<int>(std::ceil(x + w)), static_cast<int>(std::ceil(y + h)),
        [=](double px, double py) { return InsideRoundRect(px, py, x, y, w, h, r); }, paint, alpha);
}

void Image::FillEllipse(double cx, double cy, double rx, double ry, const Paint &paint,
                        double alpha) {
    if (rx <= 0 || ry <= 0)
        return;
    FillShape(
        static_cast<int>(std::floor(cx - rx)), static_cast<int>(std::floor(cy - ry)),
        static_cast<int>(std::ceil(cx + rx)), static_cast<int>(std::ceil(cy + ry)),
        [=](double px, double py) {
            const double dx = (px - cx) / rx;
            const double dy = (py - cy) / ry;
            return dx * dx + dy * dy <= 1.0;
        },
        paint, alpha);
}

void Image::FillPolygon(const std::vector<Point> &points, const Paint &paint, double alpha) {
    if (points.size() < 3)
        return;
    double minX = points[0].x, maxX = points[0].x, minY = points[0].y, maxY = points[0].y;
    for (const Point &p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    const bool clockwise = Cross(points[0], points[1], points[2]) < 0;
    FillShape(
        static_cast<int>(std::floor(minX)), static_cast<int>(std::floor(minY)),
        static_cast<int>(std::ceil(maxX)), static_cast<int>(std::ceil(maxY)),
        [&](double px, double py) {
            for (size_t i = 0; i < points.size(); ++i) {
                const double c = Cross(points[i], points[(i + 1) % points.size()], {px, py});
                if (clockwise ? c > 0 : c < 0)
                    return false;
            }
            return true;
        },
        paint, alpha);
}

void Image::StrokeLine(Point a, Point b, double thickness, Colour c, double alpha) {
    const double r = thickness / 2;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    FillShape(
        static_cast<int>(std::floor(std::min(a.x, b.x) - r)),
        static_cast<int>(std::floor(std::min(a.y, b.y) - r)),
        static_cast<int>(std::ceil(std::max(a.x, b.x) + r)),
        static_cast<int>(std::ceil(std::max(a.y, b.y) + r)),
        [=](double px, double py) {
            double t = lengthSquared > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / lengthSquared : 0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = px - (a.x + t * dx);
            const double ey = py - (a.y + t * dy);
            return ex * ex + ey * ey <= r * r;
        },
        Solid(c), alpha);
}

void Image::Rim(double x, double y, double w, double h, double radius, const Paint &paint,
                double alpha) {
    const double r = std::min({radius, w / 2, h / 2});
    const double ri = std::max(r - 1, 0.0);
    FillShape(
        static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)),
        static_cast<int>(std::ceil(x + w)), static_cast<int>(std::ceil(y + h)),
        [=](double px, double py) {
            return InsideRoundRect(px, py, x, y, w, h, r) &&
                   !InsideRoundRect(px, py, x + 1, y + 1, w - 2, h - 2, ri);
        },
        paint, alpha, false);
}

void Image::Brush(uint32_t seed, int amplitude) {
    if (width_ == 0 || amplitude <= 0)
        return;
    Rng rng(seed);
    const int knots = std::max(2, width_ / 6);
    std::vector<int> values(static_cast<size_t>(knots));
    for (int y = 0; y < height_; ++y) {
        const int rowOffset = rng.Between(-amplitude, amplitude);
        for (int &v : values)
            v = rng.Between(-amplitude, amplitude);
        for (int x = 0; x < width_; ++x) {
            const double t = static_cast<double>(x) * knots / width_;
            const int i = static_cast<int>(t);
            const double f = t - i;
            const double s = f * f * (3 - 2 * f);
            const double v = values[static_cast<size_t>(i % knots)] * (1 - s) +
                             values[static_cast<size_t>((i + 1) % knots)] * s;
            const int delta = static_cast<int>(std::floor((rowOffset + v) / 2 + 0.5));
            Set(x, y, Shade(Get(x, y), delta));
        }
    }
}

void Image::Grain(uint32_t seed, int amplitude) {
    Rng rng(seed);
    for (Colour &c : pixels_)
        c = Shade(c, rng.Between(-amplitude, amplitude));
}

void Image::Draw(const Image &src, int x, int y) {
    for (int sy = 0; sy < src.Height(); ++sy)
        for (int sx = 0; sx < src.Width(); ++sx)
            Set(x + sx, y + sy, src.Get(sx, sy));
}

Image Image::Crop(int x, int y, int w, int h) const {
    Image out(w, h);
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
            out.Set(px, py, Get(x + px, y + py));
    return out;
}

std::vector<uint8_t> EncodeBmp(const Image &image) {
    const uint32_t w = static_cast<uint32_t>(image.Width());
    const uint32_t h = static_cast<uint32_t>(image.Height());
    const uint32_t stride = (w * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * h;
    std::vector<uint8_t> out;
    out.reserve(54 + dataSize);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, 54 + dataSize);
    PutLe32(out, 0);
    PutLe32(out, 54);
    PutLe32(out, 40);
    PutLe32(out, w);
    PutLe32(out, h);
    PutLe16(out, 1);
    PutLe16(out, 24);
    PutLe32(out, 0); // BI_RGB
    PutLe32(out, dataSize);
    PutLe32(out, 2835); // 72 dots per inch
    PutLe32(out, 2835);
    PutLe32(out, 0);
    PutLe32(out, 0);
    for (uint32_t row = 0; row < h; ++row) {
        const int y = static_cast<int>(h - 1 - row);
        for (uint32_t x = 0; x < w; ++x) {
            const Colour c = image.Get(static_cast<int>(x), y);
            out.push_back(static_cast<uint8_t>(Blue(c)));
            out.push_back(static_cast<uint8_t>(Green(c)));
            out.push_back(static_cast<uint8_t>(Red(c)));
        }
        for (uint32_t pad = w * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

bool WriteFileBytes(const std::filesystem::path &path, const std::vector<uint8_t> &bytes) {
    std::error_code ec;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool WriteFileText(const std::filesystem::path &path, const std::string &text) {
    return WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

} // namespace assets
