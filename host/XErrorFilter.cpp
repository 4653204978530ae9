#include "XErrorFilter.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace host {
namespace {

XErrorHandler previousHandler = nullptr;

// Every other error goes on to the handler that was in force before.
int FilterError(Display *display, XErrorEvent *error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent)
        return 0;
    return previousHandler ? previousHandler(display, error) : 0;
}

} // namespace

void FilterErrorsOfEventsToGoneWindows() {
    // Xlib names its own default handler as the previous one, so this is set once.
    if (!previousHandler)
        previousHandler = XSetErrorHandler(FilterError);
}

} // namespace host
