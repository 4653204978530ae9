// Layout editor: a control that takes over the mouse of every control created
// inside it, so that they are marked, moved, resized, deleted and saved as a
// layout script instead of doing their own work.
#pragma once

#include <stdint.h>

#include "GUIControl.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GUIEditor {
    GUIControl oControl;
} GUIEditor;

extern GUIControlType sGUIEditorType;

// One editing gesture at a time for the whole program.
extern uint8_t bGUIEditorMoveHold;
extern uint8_t bGUIEditorResizeHold;
extern int32_t iGUIEditorLXPos; // grab point, in the held control's coordinates
extern int32_t iGUIEditorLYPos;
extern GUIControl *pGUIEditorLCtrl; // the held control, or the one the menu was opened for

GUIControl *GUIEditorFromScript(GUIControl *parent, GUIScriptReader *reader,
                                GUIControlScriptArgs *args);
GUIControl *GUIEditorNew(GUIControl *parent, GUIRect *rect);
void GUIEditorInit(GUIEditor *editor, GUIControl *parent, GUIRect *rect);
// Puts an editor over the whole of parent and moves parent's children into
// it, taken over: how a layout that was loaded without an editor (a Desktop
// is always the root) is edited. Returns the editor, or null.
GUIControl *GUIEditorWrap(GUIControl *parent);
int32_t GUIEditorOnInnerEvent(GUIControl *self, GUIControl *sender, int32_t event);
void GUIEditorMouse(GUIControl *control, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                    uint8_t inside);
// Gives ctl, its later siblings and all their descendants the editor's mouse.
void GUIEditorInstall(GUIControl *ctl);
// OnPublicEvent of the save dialog: "__editor_save" writes pGUIEditorLCtrl
// and its subtree to the file named in "__editor_filename".
int32_t GUIEditorSaveHandler(GUIControl *dialog, GUIControl *sender, int32_t event);
// Opens the properties window of ctl at the root point (x, y): its identifier,
// position, size and caption in edit fields, set on the control by "Apply".
// One properties window is open at a time; opening another closes it.
void GUIEditorPropertiesOpen(GUIControl *ctl, int32_t x, int32_t y);
// OnPublicEvent of the properties window.
int32_t GUIEditorPropertiesHandler(GUIControl *window, GUIControl *sender, int32_t event);
void GUIEditorPropertiesForget(GUIControl *ctl);
// The tree calls this for every control it removes, so that the editor never
// keeps a pointer to a removed control.
void GUIEditorForget(GUIControl *ctl);

#ifdef __cplusplus
}
#endif
