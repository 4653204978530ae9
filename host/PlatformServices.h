// Services the main window asks of the desktop: the message box and opening a text (a web or mail
// address) with the desktop's own program.
#pragma once

#include <optional>
#include <string>

namespace host {

// A message box titled "Quelmara" with the text and an OK button, owned by
// the running main window; returns when the user closes it. False, with
// nothing shown, when the desktop offers none (SDL's needs a display and the
// X server's core fonts).
bool ShowMessageBox(const std::string &text);

// What opening a text means: "www." texts are web addresses ("http://" is put
// in front), texts with "@" and no scheme mail addresses ("mailto:"). Only
// http, https and mailto addresses are opened; for any other text the result
// is empty.
std::string ShellUrlFor(const std::string &text);

// Opens the text's address with the desktop's program for it; false, with a
// line on standard error when it is no address, if that failed.
bool ShellOpen(const std::string &text);

} // namespace host
