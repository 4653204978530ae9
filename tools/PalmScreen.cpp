#include "PalmScreen.h"

#include "AssetText.h"

#include <algorithm>
#include <cmath>

namespace assets::palm {

void DrawTitle(Image &screen, const std::string &title, const std::string &right) {
    const PixelFont bold{1, true};
    const int tabWidth = PixelTextWidth(title, bold) + 8;
    screen.FillRect(0, 0, kScreenSize, 11, kWhite);
    screen.FillRect(0, 0, tabWidth, 11, kBlack);
    // Rounded top-right corner of the tab.
    screen.Set(tabWidth - 1, 0, kWhite);
    screen.Set(tabWidth - 2, 0, kWhite);
    screen.Set(tabWidth - 1, 1, kWhite);
    screen.FillRect(0, 11, kScreenSize, 2, kBlack);
    DrawPixelText(screen, title, 3, 2, kWhite, bold);
    if (!right.empty())
        DrawPixelText(screen, right, kScreenSize - 2 - PixelTextWidth(right), 2, kBlack);
}

void DrawSprite(Image &screen, const Sprite &sprite, const SpritePalette &palette, int x, int y,
                int scale) {
    for (size_t row = 0; row < sprite.size(); ++row) {
        for (size_t col = 0; col < sprite[row].size(); ++col) {
            const auto found = palette.find(sprite[row][col]);
            if (found == palette.end())
                continue;
            screen.FillRect(x + static_cast<int>(col) * scale, y + static_cast<int>(row) * scale,
                            scale, scale, found->second);
        }
    }
}

void ReduceToGrey(Image &screen, int levels) {
    const int steps = levels - 1;
    for (Colour &c : screen.Pixels()) {
        const int grey = (Red(c) * 30 + Green(c) * 59 + Blue(c) * 11) / 100;
        const int level = (grey * steps + 127) / 255;
        const int v = level * 255 / steps;
        c = Rgb(v, v, v);
    }
}

void ReduceToColourPalette(Image &screen) {
    const auto level = [](int v) { return (v + 25) / 51 * 51; };
    for (Colour &c : screen.Pixels())
        c = Rgb(level(Red(c)), level(Green(c)), level(Blue(c)));
}

void Frame(Image &screen, int x, int y, int w, int h, Colour c) {
    screen.FillRect(x, y, w, 1, c);
    screen.FillRect(x, y + h - 1, w, 1, c);
    screen.FillRect(x, y, 1, h, c);
    screen.FillRect(x + w - 1, y, 1, h, c);
}

void Disc(Image &screen, double cx, double cy, double rx, double ry, Colour c) {
    for (int y = static_cast<int>(cy - ry) - 1; y <= static_cast<int>(cy + ry) + 1; ++y) {
        for (int x = static_cast<int>(cx - rx) - 1; x <= static_cast<int>(cx + rx) + 1; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                screen.Set(x, y, c);
        }
    }
}

void Ring(Image &screen, double cx, double cy, double rx, double ry, Colour c, bool dotted) {
    const double band = 0.6 / std::min(rx, ry);
    for (int y = static_cast<int>(cy - ry) - 2; y <= static_cast<int>(cy + ry) + 2; ++y) {
        for (int x = static_cast<int>(cx - rx) - 2; x <= static_cast<int>(cx + rx) + 2; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (std::abs(d - 1.0) > band)
                continue;
            if (dotted && ((x + y) / 2) % 2 != 0)
                continue;
            screen.Set(x, y, c);
        }
    }
}

void Line(Image &screen, int x0, int y0, int x1, int y1, Colour c, int step) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int n = 0;; ++n) {
        if (n % step == 0)
            screen.Set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

} // namespace assets::palm
