// Holds back the drawing of the whole screen while the application makes many
// changes in a row (filling a list), then repaints once the view that frames
// the changed control, or the root's child that holds it when no view does.
// The toolkit still repaints every change as it always does; while the hold
// lasts those repaints draw nothing.
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
    // The innermost view around the changed control (its scroll bars change
    // with it), else the root's child that holds it, else the root itself:
    // what is repainted at the end.
    GUIControl *m_pRepainted;
    uint8_t m_bWasHeld;
};
