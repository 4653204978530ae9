// The disc's look: a calm dark slate with teal accents. Colours and the few
// painters (raised buttons, recessed wells, scroll tracks, arrows) that the skin,
// the application's buttons and the backdrop share.
#pragma once

#include "AssetImage.h"

namespace assets::theme {

constexpr Colour kBackgroundTop = Rgb(31, 44, 51);
constexpr Colour kBackgroundBottom = Rgb(20, 29, 34);
constexpr Colour kPanelTop = Rgb(39, 55, 62);
constexpr Colour kPanelBottom = Rgb(32, 46, 53);
constexpr Colour kWindowBase = Rgb(35, 50, 57);
constexpr Colour kHeaderTop = Rgb(53, 98, 103);
constexpr Colour kHeaderBottom = Rgb(32, 66, 72);
constexpr Colour kWell = Rgb(15, 23, 27);
constexpr Colour kListWell = Rgb(17, 26, 31);
constexpr Colour kGroove = Rgb(12, 18, 22);
constexpr Colour kOutline = Rgb(7, 12, 15);
constexpr Colour kRimLight = Rgb(92, 120, 128);
constexpr Colour kTeal = Rgb(46, 164, 150);
constexpr Colour kTealLight = Rgb(136, 222, 208);
constexpr Colour kButtonTop = Rgb(54, 104, 108);
constexpr Colour kButtonBottom = Rgb(33, 73, 79);
constexpr Colour kSelectTop = Rgb(212, 246, 239);
constexpr Colour kSelectBottom = Rgb(146, 216, 204);
constexpr Colour kLabel = Rgb(255, 255, 255);
constexpr Colour kSoftLabel = Rgb(158, 204, 200);

// A raised, rounded button face: dark outline, gradient face, lit rim and a
// faint gloss; pushed, it is darker, shaded from the top and without gloss.
void PaintRaised(Image &image, double x, double y, double w, double h, double radius, Colour top,
                 Colour bottom, bool pushed);

// A recessed well: filled, shadowed along the top and lit along the bottom.
void PaintSunken(Image &image, double x, double y, double w, double h, double radius, Colour fill);

// Cross-section of the vertical scroll channel painted on the backdrop beside a
// list (the vertical bar draws no track of its own); uniform along its height.
Image VerticalGroove(int width, int height);
// The horizontal scroll bar's track, 20 rows tall; uniform along its width.
Image HorizontalTrack(int width);

enum class Direction { Up, Down, Left, Right };
// A solid arrow head centred on (cx, cy): its base is 2 * size wide, base to tip size.
void PaintArrow(Image &image, double cx, double cy, double size, Direction d, Colour c);

} // namespace assets::theme
