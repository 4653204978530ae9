// The control gallery's states.
#include "GallerySetup.h"

#include <iostream>
#include <string>

#include "GUIButton.h"
#include "GUICheck.h"
#include "GUICombo.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIPopupMenu.h"
#include "GUIProgress.h"
#include "GUIScrollBar.h"
#include "GUISeparator.h"
#include "GUITab.h"
#include "GUITable.h"

namespace {

constexpr int32_t kListRows = 20;
constexpr int32_t kSelectedRow = 14;
constexpr int32_t kSeparatorPaneWidth = 100;
constexpr int32_t kSeparatorPaneHeight = 96;

// Looks controls up by identifier and remembers whether one was missing.
class Gallery {
  public:
    template <typename Record = GUIControl> Record *Get(const char *id) {
        GUIControl *ctl = GUIControlGetByID(nullptr, id);
        if (!ctl) {
            std::cerr << "gallery: no control \"" << id << "\"\n";
            complete_ = false;
        }
        return reinterpret_cast<Record *>(ctl);
    }
    bool Complete() const { return complete_; }

  private:
    bool complete_ = true;
};

void setProgress(GUIProgress *bar, int32_t percent, bool text) {
    if (!bar)
        return;
    bar->iMax = 100;
    bar->bShowText = text;
    GUIProgressSet(&bar->oControl, percent);
}

void setEdit(GUIEdit *edit, bool typing) {
    if (!edit)
        return;
    edit->bFrame = 1;
    if (typing) {
        edit->bEditable = 1;
        GUIEditEnableInput(&edit->oControl);
    }
}

struct Pane {
    const char *id;
    const char *rows[2];
};

constexpr Pane kSeparatorPanes[] = {
    {"sepleft", {"Left", "of three"}}, {"sepmiddle", {"Middle"}}, {"sepright", {"Right"}}};

// Each pane added while loading re-shared the separator's width; equal panes read better.
void fillSeparator(Gallery &gallery) {
    GUIControl *separator = gallery.Get("separator");
    for (const Pane &pane : kSeparatorPanes) {
        GUIControl *list = gallery.Get(pane.id);
        if (!list)
            continue;
        for (const char *row : pane.rows)
            if (row)
                GUIListAdd(list, row);
        GUIControlSetSize(list, kSeparatorPaneWidth, kSeparatorPaneHeight);
    }
    if (separator)
        GUISeparatorLayout(separator);
}

void fillList(GUIControl *list) {
    if (!list)
        return;
    for (int32_t row = 1; row <= kListRows; ++row)
        GUIListAdd(list, ("Row " + std::to_string(row)).c_str());
    GUIListSetSelection(list, kSelectedRow);
}

void chooseSheet(GUITab *tab, const char *name) {
    if (tab)
        GUIEditSet(&tab->oSelector.oEdit.oControl, name);
}

// A menu as the right button opens one, beside the combo box.
void openMenu(GUIControl *root) {
    GUIRect at{696, 792, 186, 250};
    GUIControl *menu = GUIPopupMenuBind(root, &at);
    for (const char *item : {"New", "Delete", "Save", "Properties"})
        GUIPopupMenuAdd(menu, item);
}

constexpr const char *kColumns[] = {"Game", "Genre", "Players", "Year"};
constexpr const char *kGenres[] = {"Puzzle", "Arcade", "Board", "Cards", "Strategy"};
constexpr int32_t kTableRows = 40;
constexpr int32_t kColumnWidth = 95;

void fillTable(GUIControl *table) {
    if (!table)
        return;
    for (const char *title : kColumns)
        GUITableNewColumn(table, title, kColumnWidth);
    for (int32_t row = 0; row < kTableRows; ++row) {
        GUITableSetItem(table, row, 0, ("Game " + std::to_string((row * 17) % kTableRows)).c_str());
        GUITableSetItem(table, row, 1, kGenres[row % 5]);
        GUITableSetItem(table, row, 2, std::to_string(1 + row % 4).c_str());
        GUITableSetItem(table, row, 3, std::to_string(1998 + row % 7).c_str());
    }
    GUITableSort(table, 0);
}

} // namespace

bool GallerySetStates() {
    Gallery gallery;
    if (auto *pushed = gallery.Get<GUIButton>("pushed"))
        pushed->bPushed = 1;
    if (auto *unchecked = gallery.Get<GUICheck>("unchecked"))
        unchecked->bChecked = 0;
    setProgress(gallery.Get<GUIProgress>("progress0"), 0, true);
    setProgress(gallery.Get<GUIProgress>("progress50"), 50, true);
    setProgress(gallery.Get<GUIProgress>("progress100"), 100, true);
    setProgress(gallery.Get<GUIProgress>("progressplain"), 50, false);
    setEdit(gallery.Get<GUIEdit>("framed"), false);
    setEdit(gallery.Get<GUIEdit>("typing"), true);
    fillSeparator(gallery);
    fillList(gallery.Get("list"));
    if (GUIControl *bar = gallery.Get("hbar"))
        GUIScrollBarSetPos(bar, 30, 60);
    chooseSheet(gallery.Get<GUITab>("tab"), "Tools");
    if (GUIControl *combo = gallery.Get("combo"))
        GUIComboDrop(combo);
    fillTable(gallery.Get("table"));
    if (pGUIControlRoot)
        openMenu(pGUIControlRoot);
    return gallery.Complete();
}
