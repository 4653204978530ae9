// The registry of control types: one record per type, chained in the order the
// layout loader searches them for a statement's keyword. The chain is fixed
// when the program is built; the type files only refer to their own record.
#include "GUIBitmap.h"
#include "GUIButton.h"
#include "GUIDesktop.h"
#include "GUIEdit.h"
#include "GUIList.h"
#include "GUIScrollBar.h"
#include "GUIView.h"

extern "C" {

GUIControlType sGUIBitmapType = {"Bitmap", GUIBitmapFromScript, &sGUIButtonType};
GUIControlType sGUIButtonType = {"Button", GUIButtonFromScript, &sGUIDesktopType};
GUIControlType sGUIDesktopType = {"Desktop", GUIDesktopFromScript, &sGUIEditType};
GUIControlType sGUIEditType = {"Edit", GUIEditFromScript, &sGUIListType};
GUIControlType sGUIListType = {"List", GUIListFromScript, &sGUIScrollBarType};
GUIControlType sGUIScrollBarType = {"ScrollBar", GUIScrollBarFromScript, &sGUIViewType};
GUIControlType sGUIViewType = {"View", GUIViewFromScript, nullptr};

GUIControlType *pGUIControlTypeHead = &sGUIBitmapType;

} // extern "C"
