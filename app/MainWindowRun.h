// The start-up both programs share: the display checked, the skin loaded
// before any window exists, the window opened and the dialog run in it.
#pragma once

#include <functional>

#include "HostDialog.h"
#include "HostWindow.h"

// Runs the dialog as the program's one window until it ends. prepare, when
// given, is called with the open window just before the dialog starts. False,
// after one line on standard error, when no window could be opened.
bool RunMainWindow(host::CHostDialog &dialog,
                   const std::function<void(host::CHostWindow &)> &prepare = {});
