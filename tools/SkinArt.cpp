// The skin's bitmaps. Every size here is the size at which the skin draws the
// bitmap: 114 x 28 buttons, 28-pixel check boxes, combo arrows and edit caps,
// 20-pixel title bars, column headers and scroll arrows, 14- and 19-pixel
// thumbs with 9-pixel caps, 16-pixel list rows.
#include "Art.h"
#include "ScreenLayout.h"
#include "Theme.h"

namespace assets {

namespace {

using namespace theme;

std::string DataPath(const std::string &name) {
    return "_data/" + name + ".bmp";
}

// A three-part strip (left cap, tiled middle, right cap) cut from one picture
// drawn at three times the cap width, so the caps join the middle seamlessly.
void AddStrip(std::vector<NamedImage> &out, const Image &whole, int cap, const std::string &left,
              const std::string &middle, const std::string &right) {
    const int h = whole.Height();
    out.push_back({DataPath(left), whole.Crop(0, 0, cap, h)});
    out.push_back({DataPath(middle), whole.Crop(cap, 0, cap, h)});
    out.push_back({DataPath(right), whole.Crop(whole.Width() - cap, 0, cap, h)});
}

Image WindowTexture() {
    Image t(64, 64, kWindowBase);
    t.Brush(0x51a7e, 5);
    t.Grain(0x7e47, 1);
    return t;
}

Image SkinButton(bool pushed) {
    Image b(114, 28, kWindowBase);
    PaintRaised(b, 0, 0, 114, 28, 6, kButtonTop, kButtonBottom, pushed);
    return b;
}

// The box sits at the top of its 28 x 28 area, level with the caption that the
// skin draws from the top edge at x 32.
Image CheckBox(bool on) {
    Image c(28, 28, kWindowBase);
    if (on) {
        PaintRaised(c, 4, 0, 20, 20, 5, Rgb(76, 190, 172), Rgb(34, 124, 112), false);
        c.StrokeLine({9, 10.5}, {12.5, 14}, 2.6, kLabel);
        c.StrokeLine({12.5, 14}, {19, 6}, 2.6, kLabel);
    } else {
        PaintSunken(c, 4, 0, 20, 20, 5, kWell);
    }
    return c;
}

Image ComboArrow(bool pushed) {
    Image a(28, 28, kWindowBase);
    PaintRaised(a, 0, 0, 28, 28, 6, kButtonTop, kButtonBottom, pushed);
    const double shift = pushed ? 1 : 0;
    PaintArrow(a, 14 + shift, 14.5 + shift, 5, Direction::Down, Rgb(226, 244, 240));
    return a;
}

// Diagonal light bands, one period every 16 pixels so the tile repeats.
Image ProgressFill() {
    Image f(16, 24);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int phase = (x + y) % 16;
            const int band = phase < 8 ? phase : 16 - phase;
            const Colour base = Mix(Rgb(104, 214, 196), Rgb(30, 128, 116), y / 23.0);
            f.Set(x, y, Shade(base, band * 2));
        }
    }
    f.HLine(0, 16, 0, Rgb(255, 255, 255), 0.35);
    f.HLine(0, 16, 20, kOutline, 0.35);
    return f;
}

// The selected row: a light rounded bar as wide as the game list, its corners
// blended with the list's well.
Image SelectBar() {
    const int w = screen::ListWidth(screen::kGameView);
    Image s(w, screen::kRowHeight, kListWell);
    s.FillRoundRect(0, 0, w, 16, 3, VGradient(0, 16, kSelectTop, kSelectBottom));
    s.BevelRim(0, 0, w, 16, 3, Rgb(255, 255, 255), Rgb(70, 150, 140), 0.6);
    return s;
}

Image ColumnHeader() {
    Image h(60, 20);
    h.FillRect(0, 0, 60, 20, VGradient(0, 20, kHeaderTop, kHeaderBottom));
    h.HLine(0, 60, 0, Shade(kHeaderTop, 48), 0.6);
    h.HLine(0, 60, 19, kOutline, 0.9);
    h.VLine(0, 1, 19, Shade(kHeaderTop, 40), 0.4);
    h.VLine(59, 0, 20, kOutline, 0.9);
    for (int i = 0; i < 3; ++i)
        h.FillRect(53, 6 + 3 * i, 2, 2, Shade(kHeaderTop, 40));
    return h;
}

Image EditFrame() {
    Image e(84, 28, kWindowBase);
    PaintSunken(e, 1, 1, 82, 26, 6, kWell);
    return e;
}

Image WindowTitle() {
    Image t(60, 20, kBackgroundTop);
    t.FillRoundRect(0, 0, 60, 26, 6, VGradient(0, 20, kHeaderTop, kHeaderBottom));
    t.BevelRim(0, 0, 60, 26, 6, Shade(kHeaderTop, 50), kHeaderBottom, 0.7);
    t.HLine(0, 60, 19, kOutline, 0.8);
    t.FillPolygon({{10, 5}, {15, 10}, {10, 15}, {5, 10}}, Solid(kOutline));
    t.FillPolygon({{10, 6.2}, {13.8, 10}, {10, 13.8}, {6.2, 10}},
                  VGradient(6, 14, kTealLight, kTeal));
    return t;
}

// Thumb of a horizontal bar: a pill 14 rows tall lying on the track.
Image HorizontalThumb() {
    Image t = HorizontalTrack(42).Crop(0, 3, 42, 14);
    t.FillRoundRect(0.5, 0.5, 41, 13, 6.5, Solid(kOutline));
    t.FillRoundRect(1.5, 1.5, 39, 11, 5.5, VGradient(1, 13, Rgb(132, 172, 176), Rgb(62, 94, 100)));
    t.BevelRim(1.5, 1.5, 39, 11, 5.5, Rgb(196, 226, 226), Rgb(50, 78, 84), 0.5);
    return t;
}

// Light from the upper left over a cylinder: brightest a third of the way across.
Colour CylinderShade(double t) {
    const Colour edge = Rgb(70, 104, 110);
    const Colour high = Rgb(144, 184, 188);
    const Colour dark = Rgb(46, 72, 78);
    return t < 0.35 ? Mix(edge, high, t / 0.35) : Mix(high, dark, (t - 0.35) / 0.65);
}

// Thumb of a vertical bar: a pill 18 pixels wide inside the 19-pixel thumb,
// drawn over the backdrop's groove; 27 rows give two 9-row caps and a middle.
Image VerticalThumb() {
    Image t = VerticalGroove(screen::kBarSize, 27).Crop(0, 0, 19, 27);
    t.FillRoundRect(1, 1, 18, 25, 8, Solid(kOutline));
    t.FillRoundRect(2, 2, 16, 23, 7, [](double x, double) { return CylinderShade((x - 2) / 16); });
    // Lit from the left, so that every row of the straight part is the same.
    t.Rim(2, 2, 16, 23, 7, HGradient(2, 18, Rgb(206, 232, 232), Rgb(40, 64, 70)), 0.45);
    return t;
}

Image ArrowButton(const Image &underlay, Direction d, bool pushed) {
    Image a = underlay;
    PaintRaised(a, 1, 1, 18, 18, 5, kButtonTop, kButtonBottom, pushed);
    const double shift = pushed ? 1 : 0;
    PaintArrow(a, 10 + shift, 10 + shift, 4, d, Rgb(226, 244, 240));
    return a;
}

Image FrameMiddle() {
    Image f(16, 20);
    f.FillRect(0, 0, 16, 20, VGradient(0, 20, kPanelTop, kPanelBottom));
    f.HLine(0, 16, 0, kRimLight, 0.6);
    f.HLine(0, 16, 19, kOutline, 0.8);
    return f;
}

} // namespace

std::vector<NamedImage> SkinBitmaps() {
    std::vector<NamedImage> out;
    out.push_back({DataPath("button_on"), SkinButton(true)});
    out.push_back({DataPath("button_off"), SkinButton(false)});
    out.push_back({DataPath("checkbox_on"), CheckBox(true)});
    out.push_back({DataPath("checkbox_off"), CheckBox(false)});
    out.push_back({DataPath("popuparrow_on"), ComboArrow(true)});
    out.push_back({DataPath("popuparrow_off"), ComboArrow(false)});
    out.push_back({DataPath("progressfill"), ProgressFill()});
    out.push_back({DataPath("windowtexture"), WindowTexture()});
    out.push_back({DataPath("selectbar"), SelectBar()});
    AddStrip(out, ColumnHeader(), 20, "size_left", "size_middle", "size_right");
    AddStrip(out, EditFrame(), 28, "textarea_left", "textarea_middle", "textarea_right");
    AddStrip(out, WindowTitle(), 20, "windowtitle_left", "windowtitle_middle", "windowtitle_right");
    AddStrip(out, HorizontalThumb(), 14, "horizontal_slider_left", "horizontal_slider_middle",
             "horizontal_slider_right");

    const Image vthumb = VerticalThumb();
    out.push_back({DataPath("gorgoteteje"), vthumb.Crop(0, 0, 19, 9)});
    out.push_back({DataPath("gorgokozepe"), vthumb.Crop(0, 9, 19, 4)});
    out.push_back({DataPath("gorgoalja"), vthumb.Crop(0, 18, 19, 9)});

    const Image groove = VerticalGroove(screen::kBarSize, 20);
    out.push_back({DataPath("down"), ArrowButton(groove, Direction::Down, false)});
    out.push_back({DataPath("downpushed"), ArrowButton(groove, Direction::Down, true)});
    out.push_back({DataPath("up"), ArrowButton(groove, Direction::Up, false)});
    out.push_back({DataPath("uppushed"), ArrowButton(groove, Direction::Up, true)});
    const Image track = HorizontalTrack(20);
    out.push_back({DataPath("arrow_left1"), ArrowButton(track, Direction::Left, false)});
    out.push_back({DataPath("arrow_left2"), ArrowButton(track, Direction::Left, true)});
    out.push_back({DataPath("arrow_right1"), ArrowButton(track, Direction::Right, false)});
    out.push_back({DataPath("arrow_right2"), ArrowButton(track, Direction::Right, true)});
    out.push_back({DataPath("underhorizontal_slider_middle"), HorizontalTrack(8)});
    out.push_back({DataPath("savkeretkozep"), FrameMiddle()});
    return out;
}

} // namespace assets
