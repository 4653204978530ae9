// Text for the generated bitmaps: anti-aliased labels rendered by the graphics
// layer's FreeType text, and a 5 x 7 pixel font for the handheld screens.
#pragma once

#include "AssetImage.h"

#include <string>

namespace assets {

// Label text through the graphics layer (DejaVu Sans at a cell height in pixels).
// Bold is struck twice, one pixel apart, so it does not depend on a bold face.
struct LabelFont {
    int cellHeight;
    bool bold;
};

int LabelWidth(const std::string &text, LabelFont font);
// Draws text with its cell's top-left corner at (x, y).
void DrawLabel(Image &image, const std::string &text, LabelFont font, int x, int y, Colour colour);
// Draws text centred in the rectangle (cell centred vertically).
void DrawLabelCentred(Image &image, const std::string &text, LabelFont font, int x, int y, int w,
                      int h, Colour colour);

// Pixel font: upper-case letters, digits and a few signs; lower case is drawn as
// upper case. Each glyph is 5 x 7 pixels with a 6-pixel advance, all scaled by
// scale. Bold strikes every glyph twice, one pixel apart, with a 7-pixel advance.
struct PixelFont {
    int scale = 1;
    bool bold = false;
};

int PixelTextWidth(const std::string &text, PixelFont font = {});
void DrawPixelText(Image &image, const std::string &text, int x, int y, Colour colour,
                   PixelFont font = {});

} // namespace assets
