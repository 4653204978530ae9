// Keeps Xlib from ending the program over an event sent to a window that is
// gone. SDL 2 wakes its own event wait by sending an event to the window over
// a second X connection; when the window is destroyed on the main connection
// before the X server has read that request (a busy server reads the main
// connection first), the server answers BadWindow, and Xlib's default handler
// would print it and end the process with status 1 as the window closes.
#pragma once

namespace host {

// Puts the filter in front of the error handler in force, once per process.
// Called before SDL opens its video subsystem, so that SDL's own handler
// hands on to it and is restored to it when SDL closes the display.
void FilterErrorsOfEventsToGoneWindows();

} // namespace host
