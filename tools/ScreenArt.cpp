// The main screen's backdrop: the one picture behind all controls. The desktop
// itself only fills grey and edit fields draw no frame of their own, so the
// panels, the wells under the text fields and lists, the list scroll channels
// and the handheld around the screenshot are painted here, where the layout
// puts the controls.
#include "Art.h"
#include "AssetText.h"
#include "PalmScreen.h"
#include "ScreenLayout.h"
#include "Theme.h"

namespace assets {

namespace {

using namespace theme;
using screen::Box;

constexpr double kPanelRadius = 7;

void Panel(Image &b, const Box &p, const std::string &title, bool withTitleBar = true) {
    b.FillRoundRect(p.x + 1, p.y + 2, p.w, p.h, kPanelRadius, Solid(Rgb(0, 0, 0)), 0.35);
    const int titleBottom = withTitleBar ? p.y + screen::kPanelTitleHeight : p.y;
    const Paint titlePaint = VGradient(p.y, titleBottom, kHeaderTop, kHeaderBottom);
    const Paint bodyPaint = VGradient(titleBottom, p.Bottom(), kPanelTop, kPanelBottom);
    b.FillRoundRect(p.x, p.y, p.w, p.h, kPanelRadius, [&](double x, double y) {
        return y < titleBottom ? titlePaint(x, y) : bodyPaint(x, y);
    });
    b.BevelRim(p.x, p.y, p.w, p.h, kPanelRadius, Rgb(104, 140, 146), kOutline, 0.75);
    if (withTitleBar) {
        b.HLine(p.x + 1, p.Right() - 1, titleBottom, kOutline, 0.8);
        b.HLine(p.x + 1, p.Right() - 1, titleBottom + 1, kRimLight, 0.25);
    }
    if (!title.empty())
        DrawLabel(b, title, {14, true}, p.x + 10, p.y + 4, kLabel);
}

void ListWell(Image &b, const Box &view) {
    const Box w = screen::ListWell(view);
    PaintSunken(b, w.x, w.y, w.w, w.h, 5, kListWell);
    b.Draw(VerticalGroove(screen::kBarSize, view.h), view.Right() - screen::kBarSize, view.y);
}

void FieldWell(Image &b, const Box &f) {
    PaintSunken(b, f.x, f.y, f.w, f.h, 5, kWell);
}

// One well holding several lines, with faint rules between them.
void LinesWell(Image &b, const Box &well, int lines, int pitch, int firstTop) {
    PaintSunken(b, well.x, well.y, well.w, well.h, 6, kWell);
    for (int i = 1; i < lines; ++i)
        b.HLine(well.x + 8, well.Right() - 8, firstTop + pitch * i - 2, Rgb(38, 54, 61), 0.9);
}

// A small handheld as the program's emblem in the title bar.
void Emblem(Image &b, int x, int y) {
    PaintRaised(b, x, y, 20, 28, 5, Rgb(120, 132, 140), Rgb(58, 66, 72), false);
    b.FillRect(x + 4, y + 4, 12, 12, Rgb(16, 22, 24));
    b.FillRect(x + 5, y + 5, 10, 10, Rgb(150, 206, 196));
    b.FillRect(x + 6, y + 11, 3, 3, Rgb(40, 110, 100));
    b.FillRect(x + 10, y + 8, 3, 6, Rgb(40, 110, 100));
    for (int i = 0; i < 3; ++i)
        b.FillEllipse(x + 5 + 5 * i, y + 22, 1.6, 1.6, Solid(Rgb(28, 34, 38)));
}

void TitleBand(Image &b) {
    const Box &band = screen::kHeaderBand;
    b.FillRect(band.x, band.y, band.w, band.h,
               VGradient(band.y, band.Bottom(), Rgb(42, 78, 84), Rgb(25, 44, 50)));
    b.Brush(0x1eade7, 3);
    b.HLine(0, band.w, band.Bottom(), kTeal, 0.8);
    b.HLine(0, band.w, band.Bottom() + 1, kOutline, 0.9);
    Emblem(b, 20, 11);
    const LabelFont titleFont{28, true};
    DrawLabel(b, "Quelmara", titleFont, 52, 10, kLabel);
    DrawLabel(b, "Palm game collection", {15, false}, 52 + LabelWidth("Quelmara", titleFont) + 14,
              20, kSoftLabel);
}

// The handheld around the screenshot: graphite case, dark bezel, a blank LCD
// (seen when a game has no screenshot), hard buttons and a scroll rocker.
void Handheld(Image &b) {
    const Box &h = screen::kHandheld;
    const Box &s = screen::kScreenshot;
    b.FillRoundRect(h.x + 2, h.y + 3, h.w, h.h, 18, Solid(Rgb(0, 0, 0)), 0.4);
    PaintRaised(b, h.x, h.y, h.w, h.h, 18, Rgb(96, 106, 112), Rgb(44, 50, 55), false);
    b.FillRoundRect(s.x - 5, s.y - 5, s.w + 10, s.h + 10, 4, Solid(Rgb(14, 18, 20)));
    b.BevelRim(s.x - 5, s.y - 5, s.w + 10, s.h + 10, 4, kOutline, Rgb(130, 140, 146), 0.8);
    b.FillRect(s.x, s.y, s.w, s.h, Rgb(176, 190, 162));
    DrawLabelCentred(b, "quelmara", {11, false}, h.x, s.Bottom() + 6, h.w, 12, Rgb(170, 180, 186));
    const int cy = s.Bottom() + 32;
    const int centres[] = {h.x + 22, h.x + 52, h.x + h.w - 52, h.x + h.w - 22};
    for (int cx : centres) {
        b.FillEllipse(cx, cy, 9.5, 9.5, Solid(kOutline));
        b.FillEllipse(cx, cy, 8.5, 8.5,
                      VGradient(cy - 9, cy + 9, Rgb(118, 128, 134), Rgb(50, 56, 60)));
        b.FillEllipse(cx, cy - 1, 5, 4, Solid(Rgb(255, 255, 255)), 0.08);
    }
    const int rx = h.x + h.w / 2;
    PaintRaised(b, rx - 11, cy - 12, 22, 24, 8, Rgb(112, 122, 128), Rgb(50, 56, 60), false);
    PaintArrow(b, rx, cy - 6, 2.5, Direction::Up, Rgb(30, 36, 40));
    PaintArrow(b, rx, cy + 6, 2.5, Direction::Down, Rgb(30, 36, 40));
}

} // namespace

Image Backdrop() {
    using namespace screen;
    Image b(kWidth, kHeight);
    b.FillRect(0, 0, kWidth, kHeight, VGradient(0, kUsedHeight, kBackgroundTop, kBackgroundBottom));
    b.Brush(0xb4c3d9, 4);
    b.Grain(0x9a1e, 1);
    TitleBand(b);

    Panel(b, kGamesPanel, "Games");
    ListWell(b, kGameView);

    Panel(b, kSearchPanel, "Search descriptions");
    FieldWell(b, kSearchField);

    Panel(b, kHotSyncPanel, "HotSync folder");
    FieldWell(b, kFolderField);

    Panel(b, kGamePanel, "");
    Handheld(b);
    LinesWell(b, kInfoWell, kInfoLines, 26, InfoLine(0).y);
    LinesWell(b, kAuthorWell, kAuthorLines, 24, AuthorLine(0).y);

    Panel(b, kDescriptionPanel, "Description");
    ListWell(b, kDescriptionView);

    Panel(b, kInstallPanel, "", false);
    return b;
}

Image WelcomeScreen() {
    using namespace palm;
    Image s(kScreenSize, kScreenSize, kWhite);
    DrawTitle(s, "Quelmara", "1.0");
    const Sprite device = {
        "..KKKKKKKKKKKK..", ".KDDDDDDDDDDDDK.", "KDDDDDDDDDDDDDDK", "KDKKKKKKKKKKKKDK",
        "KDKWWWWWWWWWWKDK", "KDKWLLWWWWWWWKDK", "KDKWLLWWWLLLWKDK", "KDKWWWWWWLLLWKDK",
        "KDKWWWLLWWWWWKDK", "KDKWWWLLWWWWWKDK", "KDKWWWWWWWWWWKDK", "KDKKKKKKKKKKKKDK",
        "KDDDDDDDDDDDDDDK", "KDLLDDDKKDDDLLDK", "KDLLDDDKKDDDLLDK", "KDDDDDDDDDDDDDDK",
        ".KDDDDDDDDDDDDK.", "..KKKKKKKKKKKK..",
    };
    const SpritePalette palette = {{'K', kBlack}, {'D', kDark}, {'L', kLight}, {'W', kWhite}};
    DrawSprite(s, device, palette, 56, 24, 3);
    const auto centred = [&](const std::string &text, int y) {
        DrawPixelText(s, text, (kScreenSize - PixelTextWidth(text)) / 2, y, kBlack);
    };
    centred("CHOOSE A GAME", 88);
    centred("FROM THE LIST,", 99);
    centred("READ ABOUT IT,", 110);
    centred("THEN PRESS INSTALL", 121);
    s.FillRect(10, 140, 140, 1, kDark);
    centred("HOTSYNC TO PLAY", 146);
    ReduceToGrey(s, 4);
    return s;
}

} // namespace assets
