// The one window of the program and its modal event loop. The window system
// stays behind this class: its users see no SDL types.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "HostDialog.h"

namespace host {

struct ClientSize {
    int32_t width;
    int32_t height;
};

// The line to print when no display can be reached, or nothing when one of
// the display variables is set. Null stands for an unset variable.
std::optional<std::string> MissingDisplayMessage(const char *display, const char *waylandDisplay);
// The same for this process's environment.
std::optional<std::string> MissingDisplayMessage();

class CHostWindow : public CModalLoop {
  public:
    CHostWindow();
    ~CHostWindow();
    CHostWindow(const CHostWindow &) = delete;
    CHostWindow &operator=(const CHostWindow &) = delete;

    // Creates the window, hidden, titled "Quelmara", and makes it the graphics
    // layer's display target: what GfxAPIDisplay hands over is collected and
    // shown once per pass of the event loop, before it waits. False, with a line
    // for the user in error, when there is no display or SDL cannot open one.
    bool Open(std::string &error);

    // Runs the dialog: OnInitDialog, then the event loop until EndDialog.
    // Returns the value given to EndDialog, or -1 when the window is not open
    // or another dialog is running.
    int DoModal(CHostDialog &dialog);

    // Makes the window's outer size, decorations included, width × height and
    // shows it; the client area is what is left inside the decorations.
    void SetOuterSize(int32_t width, int32_t height);
    ClientSize GetClientSize() const;
    // The window handle to give to GfxAPIInit.
    void *NativeHandle() const;

    // Starts (or restarts) the periodic OnWindowTimer tick, delivered from the
    // event loop's own thread.
    void SetTimer(std::chrono::milliseconds period);
    void KillTimer();

    // For nested loops (folder browser, message boxes): dispatches the events
    // already queued and a due timer tick, without blocking, then shows what
    // was drawn (the caller is about to wait).
    void PumpPendingEvents();
    // Shows what was drawn, then the same after waiting up to maxWait for an
    // event or the next tick.
    void WaitAndPumpEvents(std::chrono::milliseconds maxWait);
    // For a busy screen: dispatches the queued window events (paint, close)
    // and a due timer tick, then shows what was drawn; mouse and key events
    // stay queued.
    void PumpWindowEvents();
    // Shows in the window what was drawn and not yet shown; for code about to
    // block outside the event loop.
    void PresentPendingUpdates();
    // Number of updates sent to the window so far (each shows everything drawn since the last).
    uint64_t PresentCount() const;

    // Calls back once, when the first picture after the dialog's start-up
    // steps has been shown in the window (to time the start-up).
    void OnFirstFrame(std::function<void()> callback);

    void EndModal(int result) override;
    bool IsModalEnded() const;

    // The host whose DoModal is running, or null; services that act on behalf
    // of the main window (message box owner, nested loops) find it here.
    static CHostWindow *Active();

  private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace host
