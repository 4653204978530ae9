// Services the main window asks of the desktop: the display check, the
// message box and opening a text (a web or mail address) with the desktop's
// own program.
#pragma once

#include <optional>
#include <string>

namespace host {

// The line to print when no display can be reached, or nothing when one of
// the display variables is set. Null stands for an unset variable.
std::optional<std::string> MissingDisplayMessage(const char *display, const char *waylandDisplay);
// The same for this process's environment.
std::optional<std::string> MissingDisplayMessage();

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
