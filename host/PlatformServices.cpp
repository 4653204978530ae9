#include "PlatformServices.h"

#include <SDL_messagebox.h>
#include <SDL_misc.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "HostWindow.h"

namespace host {
namespace {

constexpr const char *kMessageBoxTitle = "Quelmara";
// A plain box: one OK button, no icon (type 0 of a Windows message box).
constexpr Uint32 kPlainMessageBox = 0;

bool IsSet(const char *variable) {
    return variable && *variable;
}

bool IsSchemeCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
}

// A scheme is a letter, then letters, digits, "+", "-" or ".", then ":".
bool HasScheme(const std::string &text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    if (!std::isalpha(static_cast<unsigned char>(text.front())))
        return false;
    return std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(colon),
                       IsSchemeCharacter);
}

} // namespace

std::optional<std::string> MissingDisplayMessage(const char *display, const char *waylandDisplay) {
    if (IsSet(display) || IsSet(waylandDisplay))
        return std::nullopt;
    return "quelmara: no display found (DISPLAY/WAYLAND_DISPLAY unset); "
           "start it from a desktop session, or under xvfb-run";
}

std::optional<std::string> MissingDisplayMessage() {
    return MissingDisplayMessage(std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
}

bool ShowMessageBox(const std::string &text) {
    CHostWindow *owner = CHostWindow::Active();
    if (owner)
        owner->PresentPendingUpdates(); // the box's own loop does not serve the main window
    auto *window = owner ? static_cast<SDL_Window *>(owner->NativeHandle()) : nullptr;
    return SDL_ShowSimpleMessageBox(kPlainMessageBox, kMessageBoxTitle, text.c_str(), window) == 0;
}

std::string ShellUrlFor(const std::string &text) {
    if (text.starts_with("www."))
        return "http://" + text;
    if (text.find('@') != std::string::npos && !HasScheme(text))
        return "mailto:" + text;
    return text;
}

bool ShellOpen(const std::string &text) {
    const std::string url = ShellUrlFor(text);
    return !url.empty() && SDL_OpenURL(url.c_str()) == 0;
}

} // namespace host
