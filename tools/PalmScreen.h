// Helpers for 160 x 160 handheld screens: the form title tab, sprites written as
// character maps, and the reduction to the handheld's few grey levels or its
// 8-bit colour palette.
#pragma once

#include "AssetImage.h"

#include <map>
#include <string>
#include <vector>

namespace assets::palm {

constexpr int kScreenSize = 160;

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kLight = Rgb(170, 170, 170);
constexpr Colour kDark = Rgb(85, 85, 85);
constexpr Colour kBlack = Rgb(0, 0, 0);

// The form title: a black tab with the title in white bold at the top left and a
// rule across the screen; right is drawn in black at the top right.
void DrawTitle(Image &screen, const std::string &title, const std::string &right = "");

// A sprite row per string; '.' or ' ' is transparent, every other character is
// looked up in the palette.
using Sprite = std::vector<std::string>;
using SpritePalette = std::map<char, Colour>;
void DrawSprite(Image &screen, const Sprite &sprite, const SpritePalette &palette, int x, int y,
                int scale = 1);

// Every pixel to the nearest of levels evenly spaced grey levels (4 or 16).
void ReduceToGrey(Image &screen, int levels);
// Every channel to the six levels of the handheld's 8-bit web-safe palette.
void ReduceToColourPalette(Image &screen);

// A one-pixel rectangle outline.
void Frame(Image &screen, int x, int y, int w, int h, Colour c);

// Hard-edged shapes, as a handheld draws them: every pixel whose centre lies
// inside is set, nothing is blended.
void Disc(Image &screen, double cx, double cy, double rx, double ry, Colour c);
// The outline of an ellipse, about one pixel wide; with dotted set, every other
// pair of pixels is left out.
void Ring(Image &screen, double cx, double cy, double rx, double ry, Colour c, bool dotted);
// A one-pixel line; with step above 1 only every step-th pixel is set.
void Line(Image &screen, int x0, int y0, int x1, int y1, Colour c, int step = 1);

} // namespace assets::palm
