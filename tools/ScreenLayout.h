// Geometry of the main screen. One table serves the layout script, the backdrop
// that is painted behind the controls and the button bitmaps (whose corners are
// blended with the backdrop under them), so the three always agree.
#pragma once

#include <string>

#include "ScreenMetrics.h"

namespace assets::screen {

struct Box {
    int x;
    int y;
    int w;
    int h;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
};

// The desktop covers the whole client area of the main window; a window with decorations
// shows about 590 rows of it, so the last 30 rows hold nothing important.
constexpr int kWidth = kMainWindowWidth;
constexpr int kHeight = kMainWindowHeight;
constexpr int kUsedHeight = 590;

constexpr int kRowHeight = kListRowHeight;
constexpr int kBarSize = 20;     // a view's scroll bar
constexpr int kFieldHeight = 22; // one-line edit fields

// Panels painted on the backdrop.
constexpr Box kHeaderBand{0, 0, kWidth, 50};
constexpr Box kGamesPanel{16, 60, 256, 312};
constexpr Box kSearchPanel{16, 382, 256, 88};
constexpr Box kHotSyncPanel{16, 480, 256, 104};
constexpr Box kGamePanel{288, 60, 496, 262};
constexpr Box kDescriptionPanel{288, 332, 496, 200};
constexpr Box kInstallPanel{288, 542, 496, 42};
constexpr int kPanelTitleHeight = 22;

// The handheld drawn around the screenshot.
constexpr Box kHandheld{300, 88, 184, 226};
constexpr Box kScreenshot{312, 100, 160, 160};

// Controls. Edit fields sit exactly on the wells painted for them.
constexpr Box kExitButton{751, 15, 33, 21};
constexpr Box kGameView{28, 90, 236, 272};
constexpr Box kSearchField{22, 412, 244, kFieldHeight};
constexpr Box kSearchButton{22, 442, 54, 17};
constexpr Box kBackButton{192, 443, 36, 16};
constexpr Box kNextButton{232, 442, 34, 17};
constexpr Box kFolderField{22, 510, 244, kFieldHeight};
constexpr Box kSetupButton{73, 547, 142, 22};
constexpr Box kNameField{296, 60, 480, kFieldHeight};
constexpr Box kInfoWell{494, 92, 284, 130};
constexpr Box kAuthorWell{494, 234, 284, 78};
constexpr Box kDescriptionView{300, 362, 476, 160};
constexpr Box kInstallButton{296, 549, 147, 27};
constexpr Box kMessage0{453, 543, 323, 20};
constexpr Box kMessage1{453, 563, 323, 20};

constexpr int kInfoLines = 5;
constexpr int kAuthorLines = 3;
Box InfoLine(int i);
Box AuthorLine(int i);

// Lists fill their view's width less the scroll bar, so that a vertical bar
// never forces a horizontal one.
inline int ListWidth(const Box &view) {
    return view.w - kBarSize;
}

// Inner rectangle of the recessed well around a list's view.
Box ListWell(const Box &view);

// File names of the screen's own bitmaps, relative to the disc.
constexpr char kBackdropFile[] = "_data/backdrop.bmp";
constexpr char kWelcomeFile[] = "_data/welcome.bmp";

// The layout script for the main screen, CR LF line ends.
std::string LayoutScript();

} // namespace assets::screen
