#include "PalmScreen.h"

#include "AssetText.h"

namespace assets::palm {

void DrawTitle(Image &screen, const std::string &title, const std::string &right) {
    const PixelFont bold{1, true};
    const int tabWidth = PixelTextWidth(title, bold) + 8;
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

} // namespace assets::palm
