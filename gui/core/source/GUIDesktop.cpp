// The desktop: created without a parent, so it becomes the root.
#include "GUIDesktop.h"

#include "GUIControlNew.h"
#include "GUIScript.h"

namespace {

// Reads "(" width "," height ")".
bool readSize(GUIScriptReader *reader, int32_t &width, int32_t &height) {
    if (GUIScriptGetChar(reader) != '(')
        return false;
    width = GUIScriptGetNumber(reader);
    if (GUIScriptGetChar(reader) != ',')
        return false;
    height = GUIScriptGetNumber(reader);
    return GUIScriptGetChar(reader) == ')';
}

} // namespace

extern "C" {

// The parent and the statement's rectangle are not used: a desktop is always the root.
GUIControl *GUIDesktopFromScript(GUIControl *, GUIScriptReader *reader, GUIControlScriptArgs *) {
    int32_t width = 0;
    int32_t height = 0;
    if (!readSize(reader, width, height)) {
        GUIScriptErrorWhy(reader, "a desktop needs (width, height)");
        return nullptr;
    }
    return GUIDesktopNew(width, height);
}

GUIControl *GUIDesktopNew(int32_t width, int32_t height) {
    return GUINewControl<GUIDesktop>("gui\\core\\source\\GUIDesktop", __LINE__, GUIDesktopInit,
                                     width, height);
}

void GUIDesktopInit(GUIDesktop *desktop, int32_t width, int32_t height) {
    GUIControl *ctl = &desktop->oControl;
    GUIRect whole{0, width, 0, height};
    GUIControlInit(ctl, nullptr, &whole);
    GUIControlRedrawAll(ctl, &whole);
    ctl->pType = &sGUIDesktopType;
    ctl->pChildHost = ctl;
    GUIControlApplySkin(pGUIDesktopSkinInit, ctl);
}

} // extern "C"
