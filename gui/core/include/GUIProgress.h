// Progress bar: a passive bar showing a position between 0 and a maximum as a
// filled part and, optionally, a percentage.
#pragma once

#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GUIProgress {
    GUIControl oControl;
    int32_t iPos;      // kept between 0 and iMax by GUIProgressSet
    int32_t iMax;      // written by the owner
    uint8_t bShowText; // written by the owner
} GUIProgress;

extern GUIControlType sGUIProgressType;

GUIControl *GUIProgressFromScript(GUIControl *parent, GUIScriptReader *reader,
                                  GUIControlScriptArgs *args);
GUIControl *GUIProgressNew(GUIControl *parent, GUIRect *rect);
void GUIProgressInit(GUIProgress *progress, GUIControl *parent, GUIRect *rect);
void GUIProgressSet(GUIControl *ctl, int32_t value);

#ifdef __cplusplus
}
#endif
