// The body every type's ...New shares: allocate the record through the checked
// allocator (tagged with the requesting source file and line), run the type's
// init on it, hand it to the tree (GUIAllocControl) and announce it with
// GUI_EVENT_CREATED (GUINewControl). Table headers and sheets are announced
// otherwise and use GUIAllocControl alone.
#pragma once

#include <type_traits>
#include <utility>

#include "GUIControl.h"
#include "GUIModule.h"

template <typename Record, typename Init, typename... Args>
GUIControl *GUIAllocControl(const char *file, uint32_t line, Init init, Args &&...args) {
    auto *record = static_cast<Record *>(__dalloc(sizeof(Record), file, line));
    if (!record)
        return nullptr;
    if constexpr (std::is_invocable_v<Init, Record *, Args...>)
        init(record, std::forward<Args>(args)...);
    else // inits that take the base record
        init(reinterpret_cast<GUIControl *>(record), std::forward<Args>(args)...);
    auto *ctl = reinterpret_cast<GUIControl *>(record);
    ctl->bAllocated = 1;
    return ctl;
}

template <typename Record, typename Init, typename... Args>
GUIControl *GUINewControl(const char *file, uint32_t line, Init init, Args &&...args) {
    GUIControl *ctl = GUIAllocControl<Record>(file, line, init, std::forward<Args>(args)...);
    if (ctl)
        GUIControlSetEvent(ctl, GUI_EVENT_CREATED);
    return ctl;
}
