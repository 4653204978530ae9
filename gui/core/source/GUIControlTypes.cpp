// The registry of control types: one record per type, chained in the order the
// layout loader searches them for a statement's keyword. The chain is fixed
// when the program is built; the type files only refer to their own record.
// Which records begin with another type's record is known here too, for the
// checked casts.
#include "GUIBitmap.h"
#include "GUIButton.h"
#include "GUICHeader.h"
#include "GUICheck.h"
#include "GUICombo.h"
#include "GUIControlCast.h"
#include "GUIDesktop.h"
#include "GUIEdit.h"
#include "GUIEditor.h"
#include "GUIList.h"
#include "GUIPopupMenu.h"
#include "GUIProgress.h"
#include "GUIScrollBar.h"
#include "GUISeparator.h"
#include "GUISheet.h"
#include "GUITab.h"
#include "GUITable.h"
#include "GUIView.h"
#include "GUIWindow.h"

namespace {

// The types whose record begins with another type's whole record.
const GUIControlType *baseTypeOf(const GUIControlType *type) {
    if (type == &sGUIPopupMenuType)
        return &sGUIListType;
    if (type == &sGUICHeaderType)
        return &sGUIButtonType;
    return nullptr;
}

} // namespace

extern "C" {

GUIControlType sGUIBitmapType = {"Bitmap", GUIBitmapFromScript, &sGUIButtonType};
GUIControlType sGUIButtonType = {"Button", GUIButtonFromScript, &sGUICheckType};
GUIControlType sGUICheckType = {"Check", GUICheckFromScript, &sGUIComboType};
GUIControlType sGUIComboType = {"Combo", GUIComboFromScript, &sGUIDesktopType};
GUIControlType sGUIDesktopType = {"Desktop", GUIDesktopFromScript, &sGUIEditType};
GUIControlType sGUIEditType = {"Edit", GUIEditFromScript, &sGUIEditorType};
GUIControlType sGUIEditorType = {"Editor", GUIEditorFromScript, &sGUIProgressType};
GUIControlType sGUIProgressType = {"Progress", GUIProgressFromScript, &sGUIListType};
GUIControlType sGUIListType = {"List", GUIListFromScript, &sGUIPopupMenuType};
GUIControlType sGUIPopupMenuType = {"PopupMenu", GUIPopupMenuFromScript, &sGUIScrollBarType};
GUIControlType sGUIScrollBarType = {"ScrollBar", GUIScrollBarFromScript, &sGUISeparatorType};
GUIControlType sGUISeparatorType = {"Separator", GUISeparatorFromScript, &sGUITabType};
GUIControlType sGUITabType = {"Tab", GUITabFromScript, &sGUITableType};
GUIControlType sGUITableType = {"Table", GUITableFromScript, &sGUICHeaderType};
GUIControlType sGUICHeaderType = {"CHeader", nullptr, &sGUIViewType};
GUIControlType sGUIViewType = {"View", GUIViewFromScript, &sGUIWindowType};
GUIControlType sGUIWindowType = {"Window", GUIWindowFromScript, &sGUISheetType};
GUIControlType sGUISheetType = {"Sheet", GUISheetFromScript, nullptr};

GUIControlType *pGUIControlTypeHead = &sGUIBitmapType;

bool GUIControlIsOfType(const GUIControl *ctl, const GUIControlType *type) {
    if (!ctl || !ctl->pType)
        return true;
    for (const GUIControlType *t = ctl->pType; t; t = baseTypeOf(t)) {
        if (t == type)
            return true;
    }
    return false;
}

} // extern "C"
