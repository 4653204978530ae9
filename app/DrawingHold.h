// Holds back the drawing of the whole screen while the application makes many
// changes in a row (filling a list), then repaints the changed control's area
// once. The toolkit still repaints every change as it always does; while the
// hold lasts those repaints draw nothing.
#pragma once

#include "GUIControl.h"

class CDrawingHold {
  public:
    explicit CDrawingHold(GUIControl *pChanged);
    ~CDrawingHold();
    CDrawingHold(const CDrawingHold &) = delete;
    CDrawingHold &operator=(const CDrawingHold &) = delete;

  private:
    GUIControl *m_pRoot;
    // The root's child that holds the changed control (scroll bars and all),
    // or the root itself: what is repainted at the end.
    GUIControl *m_pRepainted;
    uint8_t m_bWasHeld;
};
