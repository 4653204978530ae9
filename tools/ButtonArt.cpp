// The application's six image buttons. Their captions in the layout are empty,
// so the label is part of the picture. Each is drawn over the piece of backdrop
// it covers, so its rounded corners blend in.
#include "Art.h"
#include "AssetText.h"
#include "ScreenLayout.h"
#include "Theme.h"

namespace assets {

namespace {

using namespace theme;
using screen::Box;

enum class Icon { None, Install, Folder };

struct ButtonStyle {
    const char *releasedFile;
    const char *pushedFile;
    Box box;
    const char *label;
    int labelHeight;
    Colour top;
    Colour bottom;
    Icon icon;
};

constexpr Colour kExitTop = Rgb(150, 78, 70);
constexpr Colour kExitBottom = Rgb(100, 44, 40);
constexpr Colour kInstallTop = Rgb(82, 186, 168);
constexpr Colour kInstallBottom = Rgb(30, 118, 108);

const ButtonStyle kButtons[] = {
    {"Exit", "ExitPushed", screen::kExitButton, "Exit", 13, kExitTop, kExitBottom, Icon::None},
    {"Save", "SavePushed", screen::kInstallButton, "Install", 17, kInstallTop, kInstallBottom,
     Icon::Install},
    {"SetupButton", "SetupButtonPushed", screen::kSetupButton, "Setup", 15, kButtonTop,
     kButtonBottom, Icon::Folder},
    {"NextButton", "NextButtonPushed", screen::kNextButton, "Next", 12, kButtonTop, kButtonBottom,
     Icon::None},
    {"BackButton", "BackButtonPushed", screen::kBackButton, "Back", 12, kButtonTop, kButtonBottom,
     Icon::None},
    {"SearchButton", "SearchButtonPushed", screen::kSearchButton, "Search", 12, kButtonTop,
     kButtonBottom, Icon::None},
};

constexpr int kIconWidth = 16;
constexpr int kIconGap = 6;

// A downward arrow into a tray.
void InstallIcon(Image &b, double x, double y, Colour c) {
    b.StrokeLine({x + 8, y + 1}, {x + 8, y + 9}, 2.4, c);
    b.FillPolygon({{x + 3.5, y + 7}, {x + 12.5, y + 7}, {x + 8, y + 12}}, Solid(c));
    b.StrokeLine({x + 1.5, y + 11}, {x + 1.5, y + 15}, 1.8, c);
    b.StrokeLine({x + 1.5, y + 15}, {x + 14.5, y + 15}, 1.8, c);
    b.StrokeLine({x + 14.5, y + 11}, {x + 14.5, y + 15}, 1.8, c);
}

void FolderIcon(Image &b, double x, double y, Colour c) {
    b.FillPolygon({{x + 1, y + 2}, {x + 6, y + 2}, {x + 8, y + 4}, {x + 8, y + 6}, {x + 1, y + 6}},
                  Solid(c));
    b.FillRoundRect(x + 1, y + 4, 15, 10, 1.5, Solid(c));
    b.FillRect(static_cast<int>(x) + 2, static_cast<int>(y) + 7, 13, 1, kButtonBottom);
}

Image DrawButton(const Image &backdrop, const ButtonStyle &s, bool pushed) {
    const Box &box = s.box;
    Image b = backdrop.Crop(box.x, box.y, box.w, box.h);
    const double radius = box.h >= 24 ? 7 : box.h >= 20 ? 5 : 4;
    PaintRaised(b, 0, 0, box.w, box.h, radius, s.top, s.bottom, pushed);

    const LabelFont font{s.labelHeight, true};
    const int iconSpace = s.icon == Icon::None ? 0 : kIconWidth + kIconGap;
    const int contentWidth = iconSpace + LabelWidth(s.label, font);
    const int shift = pushed ? 1 : 0;
    const int x = (box.w - contentWidth) / 2 + shift;
    const int textY = (box.h - s.labelHeight) / 2 + shift;
    const Colour shadow = Shade(s.bottom, -40);
    const double iconY = (box.h - 16) / 2.0 + shift;
    if (s.icon == Icon::Install) {
        InstallIcon(b, x + 1, iconY + 1, shadow);
        InstallIcon(b, x, iconY, kLabel);
    } else if (s.icon == Icon::Folder) {
        FolderIcon(b, x + 1, iconY + 1, shadow);
        FolderIcon(b, x, iconY, Rgb(236, 246, 244));
    }
    DrawLabel(b, s.label, font, x + iconSpace + 1, textY + 1, shadow);
    DrawLabel(b, s.label, font, x + iconSpace, textY, kLabel);
    return b;
}

} // namespace

std::vector<NamedImage> ButtonBitmaps(const Image &backdrop) {
    std::vector<NamedImage> out;
    for (const ButtonStyle &s : kButtons) {
        out.push_back(
            {std::string("_data/") + s.pushedFile + ".bmp", DrawButton(backdrop, s, true)});
        out.push_back(
            {std::string("_data/") + s.releasedFile + ".bmp", DrawButton(backdrop, s, false)});
    }
    return out;
}

} // namespace assets
