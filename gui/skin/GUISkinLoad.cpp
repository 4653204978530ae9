// The skin loader: hooks, font and bitmaps, once at start-up.
#include <cstdio>
#include <iterator>
#include <string>

#include "GUISkin.h"

GfxFont *pGUISkinFont = nullptr;

GfxSurface *button_on = nullptr;
GfxSurface *button_off = nullptr;
GfxSurface *checkbox_on = nullptr;
GfxSurface *checkbox_off = nullptr;
GfxSurface *popuparrow_on = nullptr;
GfxSurface *popuparrow_off = nullptr;
GfxSurface *progressfill = nullptr;
GfxSurface *windowtexture_list = nullptr;
GfxSurface *selectbar = nullptr;
GfxSurface *size_left = nullptr;
GfxSurface *size_middle = nullptr;
GfxSurface *size_right = nullptr;
GfxSurface *textarea_left = nullptr;
GfxSurface *textarea_middle = nullptr;
GfxSurface *textarea_right = nullptr;
GfxSurface *windowtexture_window = nullptr;
GfxSurface *windowtitle_left = nullptr;
GfxSurface *windowtitle_middle = nullptr;
GfxSurface *windowtitle_right = nullptr;
GfxSurface *horizontal_slider_left = nullptr;
GfxSurface *horizontal_slider_middle = nullptr;
GfxSurface *horizontal_slider_right = nullptr;
GfxSurface *gorgoteteje = nullptr;
GfxSurface *gorgokozepe = nullptr;
GfxSurface *gorgoalja = nullptr;
GfxSurface *down = nullptr;
GfxSurface *downpushed = nullptr;
GfxSurface *up = nullptr;
GfxSurface *uppushed = nullptr;
GfxSurface *arrow_left1 = nullptr;
GfxSurface *arrow_left2 = nullptr;
GfxSurface *arrow_right1 = nullptr;
GfxSurface *arrow_right2 = nullptr;
GfxSurface *underhorizontal_slider_middle = nullptr;
GfxSurface *savkeretkozep = nullptr;

namespace {

constexpr char kFontFace[] = "motorn";

struct SkinFile {
    GfxSurface **surface;
    const char *name; // base name in _data, without ".bmp"
};

// A group of files, announced by one line on standard output before its loads.
struct SkinGroup {
    const char *line;
    const SkinFile *first;
    const SkinFile *last;
};

constexpr SkinFile kButtonFiles[] = {{&button_on, "button_on"}, {&button_off, "button_off"}};
constexpr SkinFile kCheckFiles[] = {{&checkbox_on, "checkbox_on"}, {&checkbox_off, "checkbox_off"}};
constexpr SkinFile kComboFiles[] = {{&popuparrow_on, "popuparrow_on"},
                                    {&popuparrow_off, "popuparrow_off"}};
constexpr SkinFile kProgressFiles[] = {{&progressfill, "progressfill"},
                                       {&windowtexture_list, "windowtexture"},
                                       {&selectbar, "selectbar"}};
constexpr SkinFile kCHeaderFiles[] = {
    {&size_left, "size_left"}, {&size_middle, "size_middle"}, {&size_right, "size_right"}};
constexpr SkinFile kEditFiles[] = {{&textarea_left, "textarea_left"},
                                   {&textarea_middle, "textarea_middle"},
                                   {&textarea_right, "textarea_right"}};
constexpr SkinFile kWindowFiles[] = {{&windowtexture_window, "windowtexture"},
                                     {&windowtitle_left, "windowtitle_left"},
                                     {&windowtitle_middle, "windowtitle_middle"},
                                     {&windowtitle_right, "windowtitle_right"}};
constexpr SkinFile kScrollBarFiles[] = {
    {&horizontal_slider_left, "horizontal_slider_left"},
    {&horizontal_slider_middle, "horizontal_slider_middle"},
    {&horizontal_slider_right, "horizontal_slider_right"},
    {&gorgoteteje, "gorgoteteje"},
    {&gorgokozepe, "gorgokozepe"},
    {&gorgoalja, "gorgoalja"},
    {&down, "down"},
    {&downpushed, "downpushed"},
    {&up, "up"},
    {&uppushed, "uppushed"},
    {&arrow_left1, "arrow_left1"},
    {&arrow_left2, "arrow_left2"},
    {&arrow_right1, "arrow_right1"},
    {&arrow_right2, "arrow_right2"},
    {&underhorizontal_slider_middle, "underhorizontal_slider_middle"},
    {&savkeretkozep, "savkeretkozep"}};

constexpr SkinGroup kGroups[] = {
    {" button\n", std::begin(kButtonFiles), std::end(kButtonFiles)},
    {" check\n", std::begin(kCheckFiles), std::end(kCheckFiles)},
    {" combo\n", std::begin(kComboFiles), std::end(kComboFiles)},
    {" progress\n", std::begin(kProgressFiles), std::end(kProgressFiles)},
    {" cheader\n", std::begin(kCHeaderFiles), std::end(kCHeaderFiles)},
    {" edit\n", std::begin(kEditFiles), std::end(kEditFiles)},
    {" window\n", std::begin(kWindowFiles), std::end(kWindowFiles)},
    {" scrollbar\n", std::begin(kScrollBarFiles), std::end(kScrollBarFiles)},
};

// Only the types that exist get a look; the others' hooks stay unset.
void setHooks() {
    pGUIBitmapSkinInit = GUISkinInitBitmap;
    pGUIButtonSkinInit = GUISkinInitButton;
    pGUICheckSkinInit = GUISkinInitCheck;
    pGUIComboSkinInit = GUISkinInitCombo;
    pGUIDesktopSkinInit = GUISkinInitDesktop;
    pGUIEditSkinInit = GUISkinInitEdit;
    pGUIListSkinInit = GUISkinInitList;
    pGUIPopupMenuSkinInit = GUISkinInitPopupMenu;
    pGUIProgressSkinInit = GUISkinInitProgress;
    pGUIScrollBarSkinInit = GUISkinInitScrollBar;
    pGUISeparatorSkinInit = GUISkinInitPlain;
    pGUITabSkinInit = GUISkinInitPlain;
    pGUITableSkinInit = GUISkinInitTable;
    pGUICHeaderSkinInit = GUISkinInitCHeader;
    pGUIViewSkinInit = GUISkinInitView;
    pGUIWindowSkinInit = GUISkinInitWindow;
}

GfxSurface *loadSkinBitmap(const char *name) {
    const std::string path = std::string("_data/") + name + ".bmp";
    return GfxAPILoadNewSurface(path.c_str(), nullptr);
}

} // namespace

extern "C" void GUISkinLoad(void) {
    setHooks();
    pGUISkinFont = GfxAPICreateFont(kFontFace, GUI_SKIN_FONT_HEIGHT);
    std::fputs("Loading bitmaps:\n", stdout);
    for (const SkinGroup &group : kGroups) {
        std::fputs(group.line, stdout);
        for (const SkinFile *file = group.first; file != group.last; ++file)
            *file->surface = loadSkinBitmap(file->name);
    }
    std::fflush(stdout);
}
