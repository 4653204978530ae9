// Scroll bar with two stepping arrows and a draggable thumb.
#include "GUIScrollBar.h"

#include <cstring>

#include "GUIControlCast.h"
#include "GUIControlNew.h"
#include "GUIInputCodes.h"
#include "GUIScript.h"

namespace {

GUIScrollBar *asScrollBar(GUIControl *ctl) {
    return GUIControlCast<GUIScrollBar>(ctl, sGUIScrollBarType);
}

// Places a part by coordinates along and across the bar.
void placePart(const GUIScrollBar *bar, GUIControl *part, int32_t along, int32_t across) {
    if (bar->bVertical)
        GUIControlSetPos(part, across, along);
    else
        GUIControlSetPos(part, along, across);
}

void sizePart(const GUIScrollBar *bar, GUIControl *part, int32_t along, int32_t across) {
    if (bar->bVertical)
        GUIControlSetSize(part, across, along);
    else
        GUIControlSetSize(part, along, across);
}

// Pixel offset on the track of a value of the range.
int32_t trackOffset(const GUIScrollBar *bar, int32_t value) {
    if (bar->iMax == bar->iMin)
        return 0;
    const int64_t span = int64_t{bar->iMax} - bar->iMin;
    return static_cast<int32_t>((int64_t{value} - bar->iMin) * bar->iTrackLength / span);
}

void shiftWindow(GUIScrollBar *bar, int32_t delta) {
    bar->iPosStart += delta;
    bar->iPosEnd += delta;
}

void keepStartInRange(GUIScrollBar *bar) {
    if (bar->iPosStart < bar->iMin)
        shiftWindow(bar, bar->iMin - bar->iPosStart);
}

void keepEndInRange(GUIScrollBar *bar) {
    if (bar->iPosEnd > bar->iMax)
        shiftWindow(bar, bar->iMax - bar->iPosEnd);
}

void announceMove(GUIScrollBar *bar) {
    GUIScrollBarRecalc(&bar->oControl);
    GUIControlSetEvent(&bar->oControl, GUI_EVENT_SCROLLBAR_CHANGED);
}

// The repeat counter of the arrow that sent an event, or null for any other sender.
int32_t *repeatCounterOf(GUIScrollBar *bar, const GUIControl *sender) {
    if (sender == &bar->oBackArrow.oControl)
        return &bar->iBackRepeat;
    if (sender == &bar->oForwardArrow.oControl)
        return &bar->iForwardRepeat;
    return nullptr;
}

// Counts one tick on a repeat counter and tells whether the arrow repeats now.
// The parked counter may run for years without a press, so it wraps instead of overflowing.
bool tickRepeat(int32_t &counter) {
    const int32_t old = counter;
    counter = static_cast<int32_t>(static_cast<uint32_t>(old) + 1u);
    return old > 0;
}

// The drag's movement in range units for a pointer at `along` in the thumb's coordinates.
int32_t dragDelta(const GUIScrollBar *bar, int32_t along) {
    const int64_t span = int64_t{bar->iMax} - bar->iMin;
    return static_cast<int32_t>((int64_t{along} - bar->iDragAnchor) * span / bar->iTrackLength);
}

bool strayedAcross(const GUIScrollBar *bar, int32_t across) {
    const int32_t size = bar->bVertical ? bar->oControl.iWidth : bar->oControl.iHeight;
    return across < -bar->iDragMargin || across > size + bar->iDragMargin;
}

} // namespace

extern "C" {

GUIControl *GUIScrollBarFromScript(GUIControl *parent, GUIScriptReader *reader,
                                   GUIControlScriptArgs *args) {
    char orientation[GUI_SCRIPT_WORD_SIZE];
    if (!GUIScriptGetWordInParentheses(reader, orientation, sizeof orientation))
        return nullptr;
    if (std::strcmp(orientation, "Vertical") == 0)
        return GUIScrollBarNew(parent, &args->oRect, 0, 100, 1);
    if (std::strcmp(orientation, "Horizontal") == 0)
        return GUIScrollBarNew(parent, &args->oRect, 0, 100, 0);
    return nullptr;
}

GUIControl *GUIScrollBarNew(GUIControl *parent, GUIRect *rect, int32_t min, int32_t max,
                            uint8_t vertical) {
    return GUINewControl<GUIScrollBar>("gui\\core\\source\\GUIScrollBar", __LINE__,
                                       GUIScrollBarInit, parent, rect, min, max, vertical);
}

void GUIScrollBarInit(GUIScrollBar *bar, GUIControl *parent, GUIRect *rect, int32_t min,
                      int32_t max, uint8_t vertical) {
    GUIControl *ctl = &bar->oControl;
    GUIControlInit(ctl, parent, rect);
    bar->iMin = bar->iPosStart = min;
    bar->iMax = bar->iPosEnd = max;
    bar->bVertical = vertical;
    GUIRect empty{0, 0, 0, 0};
    GUIControlInit(&bar->oThumb, ctl, &empty);
    bar->oThumb.bPartOfParent = 1;
    GUIButtonInit(&bar->oBackArrow, ctl, &empty, "");
    bar->oBackArrow.oControl.bPartOfParent = 1;
    GUIButtonInit(&bar->oForwardArrow, ctl, &empty, "");
    bar->oForwardArrow.oControl.bPartOfParent = 1;
    bar->bDragging = 0;
    bar->iDragAnchor = 0;
    bar->iDragMargin = GUI_SCROLLBAR_DRAG_MARGIN;
    bar->iThumbThickness = GUI_SCROLLBAR_THUMB_THICKNESS;
    bar->iTrackLength = 0;
    bar->iBackRepeat = GUI_SCROLLBAR_REPEAT_PARKED;
    bar->iForwardRepeat = GUI_SCROLLBAR_REPEAT_PARKED;
    ctl->OnInnerEvent = GUIScrollBarOnInnerEvent;
    ctl->OnTimer = GUIScrollBarOnTimer;
    bar->oThumb.Mouse = GUIScrollBarThumbMouse;
    GUIScrollBarRecalc(ctl);
    ctl->pType = &sGUIScrollBarType;
    GUIControlApplySkin(pGUIScrollBarSkinInit, ctl);
}

void GUIScrollBarSetPos(GUIControl *ctl, int32_t start, int32_t end) {
    GUIScrollBar *bar = asScrollBar(ctl);
    if (start < bar->iMin)
        start = bar->iMin;
    if (end > bar->iMax)
        end = bar->iMax;
    if (start == bar->iPosStart && end == bar->iPosEnd)
        return;
    bar->iPosStart = start;
    bar->iPosEnd = end;
    GUIScrollBarRecalc(ctl);
}

void GUIScrollBarSetRange(GUIControl *ctl, int32_t min, int32_t max) {
    GUIScrollBar *bar = asScrollBar(ctl);
    bar->iMin = min;
    bar->iMax = max;
    GUIScrollBarRecalc(ctl);
}

// Arrows are square unless the bar is too short for two of them; then they
// share its length and the track is empty.
void GUIScrollBarRecalc(GUIControl *ctl) {
    GUIScrollBar *bar = asScrollBar(ctl);
    const int32_t length = bar->bVertical ? ctl->iHeight : ctl->iWidth;
    const int32_t thickness = bar->bVertical ? ctl->iWidth : ctl->iHeight;
    int32_t backLength = thickness;
    int32_t forwardLength = thickness;
    if (thickness >= length / 2) {
        backLength = length / 2;
        forwardLength = length - length / 2;
    }
    bar->iTrackLength = length - backLength - forwardLength;
    const int32_t start = trackOffset(bar, bar->iPosStart);
    const int32_t end = trackOffset(bar, bar->iPosEnd);

    sizePart(bar, &bar->oBackArrow.oControl, backLength, thickness);
    placePart(bar, &bar->oForwardArrow.oControl, backLength + bar->iTrackLength, 0);
    sizePart(bar, &bar->oForwardArrow.oControl, forwardLength, thickness);
    placePart(bar, &bar->oThumb, backLength + start, (thickness - bar->iThumbThickness) / 2);
    sizePart(bar, &bar->oThumb, end - start, bar->iThumbThickness);
}

void GUIScrollBarStepBack(GUIControl *ctl) {
    GUIScrollBar *bar = asScrollBar(ctl);
    shiftWindow(bar, -GUI_SCROLLBAR_STEP);
    keepStartInRange(bar);
    announceMove(bar);
}

void GUIScrollBarStepForward(GUIControl *ctl) {
    GUIScrollBar *bar = asScrollBar(ctl);
    shiftWindow(bar, GUI_SCROLLBAR_STEP);
    keepEndInRange(bar);
    announceMove(bar);
}

// An arrow press steps once and starts the repeat delay; its release stops
// the repeat. Both stay inside the bar; everything else travels on.
int32_t GUIScrollBarOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event) {
    GUIScrollBar *bar = asScrollBar(self);
    if (event == GUI_EVENT_RESIZED && sender == self)
        GUIScrollBarRecalc(self);
    int32_t *repeat = repeatCounterOf(bar, sender);
    if (repeat && event == GUI_EVENT_BUTTON_DOWN) {
        if (repeat == &bar->iBackRepeat)
            GUIScrollBarStepBack(self);
        else
            GUIScrollBarStepForward(self);
        *repeat = GUI_SCROLLBAR_REPEAT_DELAY;
        return 0;
    }
    if (repeat && event == GUI_EVENT_BUTTON_UP) {
        *repeat = GUI_SCROLLBAR_REPEAT_PARKED;
        return 0;
    }
    return self->OnPublicEvent(self, sender, event);
}

void GUIScrollBarOnTimer(GUIControl *self) {
    GUIScrollBar *bar = asScrollBar(self);
    if (tickRepeat(bar->iBackRepeat))
        GUIScrollBarStepBack(self);
    if (tickRepeat(bar->iForwardRepeat))
        GUIScrollBarStepForward(self);
}

// The anchor stays where the thumb was grabbed: as the thumb follows the
// pointer, a remainder too small for one unit carries over to the next move.
void GUIScrollBarThumbMouse(GUIControl *thumb, int32_t x, int32_t y, uint8_t buttons,
                            uint8_t changed, uint8_t inside) {
    GUIScrollBar *bar = asScrollBar(thumb->pParent);
    const int32_t along = bar->bVertical ? y : x;
    const int32_t across = bar->bVertical ? x : y;
    if (inside && GUIMousePressed(buttons, changed, GUI_MOUSE_LEFT)) {
        bar->bDragging = 1;
        bar->iDragAnchor = along;
        return;
    }
    if (!bar->bDragging)
        return;
    if (GUIMouseReleased(buttons, changed, GUI_MOUSE_LEFT) || strayedAcross(bar, across)) {
        bar->bDragging = 0;
        return;
    }
    if (bar->iTrackLength == 0)
        return;
    const int32_t delta = dragDelta(bar, along);
    if (delta == 0)
        return;
    shiftWindow(bar, delta);
    keepStartInRange(bar);
    keepEndInRange(bar);
    announceMove(bar);
}

} // extern "C"
