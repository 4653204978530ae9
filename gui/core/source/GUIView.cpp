// Scrolling frame around an inner pane, with scroll bars shown as needed.
#include "GUIView.h"

#include <algorithm>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIScript.h"

namespace {

GUIView *asView(GUIControl *ctl) {
    return GUIControlCast<GUIView>(ctl, sGUIViewType);
}

void measureContent(GUIView *view) {
    view->iContentWidth = 0;
    view->iContentHeight = 0;
    for (const GUIControl *child = view->oPane.pFirstChild; child; child = child->pNext) {
        view->iContentWidth = std::max(view->iContentWidth, child->iRight);
        view->iContentHeight = std::max(view->iContentHeight, child->iBottom);
    }
}

struct BarsNeeded {
    bool vertical;
    bool horizontal;
};

// The vertical bar is decided first, then the horizontal one in the width it
// leaves, then the vertical one again in the height the horizontal one leaves.
// A scrolled pane keeps its bar whatever the content.
BarsNeeded barsNeeded(const GUIView *view) {
    const GUIControl &ctl = view->oControl;
    const int32_t sx = view->oPane.iScrollX;
    const int32_t sy = view->oPane.iScrollY;
    const int32_t bar = view->iBarSize;
    BarsNeeded need{};
    need.vertical = (ctl.iHeight < view->iContentHeight && view->bAllowV) || sy != 0;
    const int32_t widthLeft = ctl.iWidth - (need.vertical ? bar : 0);
    need.horizontal = (widthLeft < view->iContentWidth && view->bAllowH) || sx != 0;
    const int32_t heightLeft = ctl.iHeight - (need.horizontal ? bar : 0);
    if ((heightLeft < view->iContentHeight && view->bAllowV) || sy != 0)
        need.vertical = true;
    return need;
}

// Places a bar and sets its range to the content's extent and its window to
// the part the pane shows, then makes it visible.
void showBar(GUIScrollBar *bar, GUIRect place, int32_t extent, int32_t offset, int32_t shown) {
    GUIControl *ctl = &bar->oControl;
    GUIControlSetPos(ctl, place.iLeft, place.iTop);
    GUIControlSetSize(ctl, place.iRight - place.iLeft, place.iBottom - place.iTop);
    GUIScrollBarSetRange(ctl, 0, extent);
    GUIScrollBarSetPos(ctl, offset, offset + shown);
    GUIControlShow(ctl);
}

void layout(GUIView *view) {
    const BarsNeeded need = barsNeeded(view);
    const int32_t w = view->oControl.iWidth;
    const int32_t h = view->oControl.iHeight;
    const int32_t bar = view->iBarSize;
    GUIControl *pane = &view->oPane;
    GUIControlSetSize(pane, w - (need.vertical ? bar : 0), h - (need.horizontal ? bar : 0));
    if (need.horizontal)
        showBar(&view->oHScroll, GUIRect{0, pane->iWidth, h - bar, h}, view->iContentWidth,
                pane->iScrollX, pane->iWidth);
    else
        GUIControlHide(&view->oHScroll.oControl);
    if (need.vertical)
        showBar(&view->oVScroll, GUIRect{w - bar, w, 0, pane->iHeight}, view->iContentHeight,
                pane->iScrollY, pane->iHeight);
    else
        GUIControlHide(&view->oVScroll.oControl);
}

bool isBarOf(GUIView *view, const GUIControl *ctl) {
    return ctl == &view->oVScroll.oControl || ctl == &view->oHScroll.oControl;
}

void scrollPaneToBars(GUIView *view) {
    GUIControlSetWindowPos(&view->oPane, view->oHScroll.iPosStart, view->oVScroll.iPosStart);
    GUIControlSetEvent(&view->oControl, GUI_EVENT_VIEW_SCROLLED);
}

} // namespace

extern "C" {

GUIControl *GUIViewFromScript(GUIControl *parent, GUIScriptReader *, GUIControlScriptArgs *args) {
    return GUIViewNew(parent, &args->oRect);
}

GUIControl *GUIViewNew(GUIControl *parent, GUIRect *rect) {
    return GUINewControl<GUIView>("gui\\core\\source\\GUIView", __LINE__, GUIViewInit, parent,
                                  rect);
}

void GUIViewInit(GUIView *view, GUIControl *parent, GUIRect *rect) {
    GUIControl *ctl = &view->oControl;
    GUIControlInit(ctl, parent, rect);
    GUIRect whole{0, ctl->iWidth, 0, ctl->iHeight};
    GUIControlInit(&view->oPane, ctl, &whole);
    view->oPane.bPartOfParent = 1;
    GUIRect empty{0, 0, 0, 0};
    GUIScrollBarInit(&view->oVScroll, ctl, &empty, 0, 0, 1);
    view->oVScroll.oControl.bPartOfParent = 1;
    GUIScrollBarInit(&view->oHScroll, ctl, &empty, 0, 0, 0);
    view->oHScroll.oControl.bPartOfParent = 1;
    view->iContentHeight = 0;
    view->iContentWidth = 0;
    view->iBarSize = GUI_VIEW_BAR_SIZE;
    view->bAllowV = 1;
    view->bAllowH = 1;
    ctl->OnInnerEvent = GUIViewOnInnerEvent;
    ctl->Save = GUIViewSave;
    ctl->pType = &sGUIViewType;
    ctl->pChildHost = &view->oPane;
    GUIControlApplySkin(pGUIViewSkinInit, ctl);
}

int32_t GUIViewOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    GUIView *view = asView(self);
    const bool fromPane = sender == &view->oPane;
    if ((event == GUI_EVENT_CHILD_MOVED || event == GUI_EVENT_CHILD_ADDED) && fromPane) {
        measureContent(view);
        layout(view);
    } else if (event == GUI_EVENT_RESIZED && sender == self) {
        layout(view);
    } else if (event == GUI_EVENT_SCROLLED && sender->pParent == self) {
        layout(view);
    } else if (event == GUI_EVENT_SCROLLBAR_CHANGED && isBarOf(view, sender)) {
        scrollPaneToBars(view);
    }
    return self->OnPublicEvent(self, sender, event);
}

// The pane and the bars are not written: the pane's children appear directly
// inside the view.
GUIControl *GUIViewSave(GUIControl *self, FILE *) {
    return asView(self)->oPane.pFirstChild;
}

} // extern "C"
