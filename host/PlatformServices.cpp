#include "PlatformServices.h"

#include <SDL_messagebox.h>
#include <SDL_misc.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string_view>

#include "HostWindow.h"

namespace host {
namespace {

constexpr const char *kMessageBoxTitle = "Quelmara";
// A plain box: one OK button, no icon (type 0 of a Windows message box).
constexpr Uint32 kPlainMessageBox = 0;

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

bool StartsWithIgnoringCase(const std::string &text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Only web and mail addresses leave the program: never a local file, another
// scheme or a text that the opener would read as one of its options.
bool IsOpenedAddress(const std::string &url) {
    constexpr std::string_view kSchemes[] = {"http://", "https://", "mailto:"};
    return std::any_of(std::begin(kSchemes), std::end(kSchemes), [&](std::string_view scheme) {
        return url.size() > scheme.size() && StartsWithIgnoringCase(url, scheme);
    });
}

} // namespace

bool ShowMessageBox(const std::string &text) {
    CHostWindow *owner = CHostWindow::Active();
    if (owner)
        owner->PresentPendingUpdates(); // the box's own loop does not serve the main window
    auto *window = owner ? static_cast<SDL_Window *>(owner->NativeHandle()) : nullptr;
    return SDL_ShowSimpleMessageBox(kPlainMessageBox, kMessageBoxTitle, text.c_str(), window) == 0;
}

std::string ShellUrlFor(const std::string &text) {
    std::string url = text;
    if (text.starts_with("www."))
        url = "http://" + text;
    else if (text.find('@') != std::string::npos && !HasScheme(text))
        url = "mailto:" + text;
    return IsOpenedAddress(url) ? url : std::string();
}

bool ShellOpen(const std::string &text) {
    const std::string url = ShellUrlFor(text);
    if (url.empty()) {
        std::cerr << "quelmara: not opening \"" << text << "\": not a web or mail address\n";
        return false;
    }
    return SDL_OpenURL(url.c_str()) == 0;
}

} // namespace host
