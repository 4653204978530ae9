// The desktop: the parentless root control that covers the drawing surface.
#pragma once

#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GUIDesktop {
    GUIControl oControl;
} GUIDesktop;

extern GUIControlType sGUIDesktopType;

GUIControl *GUIDesktopFromScript(GUIControl *parent, GUIScriptReader *reader,
                                 GUIControlScriptArgs *args);
GUIControl *GUIDesktopNew(int32_t width, int32_t height);
void GUIDesktopInit(GUIDesktop *desktop, int32_t width, int32_t height);

#ifdef __cplusplus
}
#endif
