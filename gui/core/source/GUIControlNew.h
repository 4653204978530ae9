// The body every type's ...New shares: allocate the record through the checked
// allocator (tagged with the requesting source file and line), run the type's
// init on it, hand it to the tree and announce it with GUI_EVENT_CREATED.
#pragma once

#include <type_traits>
#include <utility>

#include "GUIControl.h"
#include "GUIModule.h"

template <typename Record, typename Init, typename... Args>
GUIControl *GUINewControl(const char *file, uint32_t line, Init init, Args &&...args) {
    auto *record = static_cast<Record *>(__dalloc(sizeof(Record), file, line));
    if (!record)
        return nullptr;
    if constexpr (std::is_invocable_v<Init, Record *, Args...>)
        init(record, std::forward<Args>(args)...);
    else // inits that take the base record
        init(reinterpret_cast<GUIControl *>(record), std::forward<Args>(args)...);
    auto *ctl = reinterpret_cast<GUIControl *>(record);
    ctl->bAllocated = 1;
    GUIControlSetEvent(ctl, GUI_EVENT_CREATED);
    return ctl;
}
