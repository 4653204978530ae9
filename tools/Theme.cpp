#include "Theme.h"

namespace assets::theme {

void PaintRaised(Image &image, double x, double y, double w, double h, double radius, Colour top,
                 Colour bottom, bool pushed) {
    image.FillRoundRect(x, y, w, h, radius, Solid(kOutline));
    if (pushed) {
        image.FillRoundRect(x + 1, y + 1, w - 2, h - 2, radius - 1,
                            VGradient(y, y + h, Shade(bottom, -10), Shade(top, -18)));
        image.BevelRim(x + 1, y + 1, w - 2, h - 2, radius - 1, Shade(bottom, -28), Shade(top, -6),
                       0.8);
        return;
    }
    image.FillRoundRect(x + 1, y + 1, w - 2, h - 2, radius - 1, VGradient(y, y + h, top, bottom));
    image.BevelRim(x + 1, y + 1, w - 2, h - 2, radius - 1, Shade(top, 52), Shade(bottom, -12), 0.7);
    image.FillRoundRect(x + 2, y + 2, w - 4, (h - 4) / 2, radius - 2, Solid(Rgb(255, 255, 255)),
                        0.05);
}

void PaintSunken(Image &image, double x, double y, double w, double h, double radius, Colour fill) {
    image.FillRoundRect(x, y, w, h, radius, Solid(fill));
    image.BevelRim(x, y, w, h, radius, kOutline, kRimLight, 0.85);
    image.FillRoundRect(x + 1, y + 1, w - 2, 3, radius - 1, VGradient(y + 1, y + 4, kOutline, fill),
                        0.45);
}

Image VerticalGroove(int width, int height) {
    Image groove(width, height, kGroove);
    groove.VLine(0, 0, height, kOutline, 0.8);
    groove.VLine(width - 1, 0, height, Rgb(40, 56, 63), 0.8);
    return groove;
}

Image HorizontalTrack(int width) {
    Image track(width, 20, kListWell);
    track.FillRect(0, 3, width, 14, kGroove);
    track.HLine(0, width, 3, kOutline, 0.9);
    track.HLine(0, width, 16, Rgb(40, 56, 63), 0.8);
    track.HLine(0, width, 0, Rgb(40, 56, 63), 0.5);
    track.HLine(0, width, 19, kOutline, 0.6);
    return track;
}

void PaintArrow(Image &image, double cx, double cy, double size, Direction d, Colour c) {
    const double w = size;     // half the base
    const double h = size / 2; // half the height, base to tip
    std::vector<Point> points;
    switch (d) {
    case Direction::Up:
        points = {{cx, cy - h}, {cx + w, cy + h}, {cx - w, cy + h}};
        break;
    case Direction::Down:
        points = {{cx - w, cy - h}, {cx + w, cy - h}, {cx, cy + h}};
        break;
    case Direction::Left:
        points = {{cx - h, cy}, {cx + h, cy - w}, {cx + h, cy + w}};
        break;
    case Direction::Right:
        points = {{cx - h, cy - w}, {cx + h, cy}, {cx - h, cy + w}};
        break;
    }
    image.FillPolygon(points, Solid(c));
}

} // namespace assets::theme
