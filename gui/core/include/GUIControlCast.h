// Checked downcasts from the base record to a type's record. Builds with
// assertions stop on a control of another type; a control whose init has not
// set its type yet passes, and so does a control of a type whose record
// begins with the wanted one (a pop-up menu is a list, a column header a
// button).
#pragma once

#include <cassert>

#include "GUIControl.h"

extern "C" bool GUIControlIsOfType(const GUIControl *ctl, const GUIControlType *type);

template <typename Record>
Record *GUIControlCast(GUIControl *ctl, [[maybe_unused]] const GUIControlType &type) {
    assert(GUIControlIsOfType(ctl, &type));
    return reinterpret_cast<Record *>(ctl);
}

template <typename Record>
const Record *GUIControlCast(const GUIControl *ctl, [[maybe_unused]] const GUIControlType &type) {
    assert(GUIControlIsOfType(ctl, &type));
    return reinterpret_cast<const Record *>(ctl);
}
