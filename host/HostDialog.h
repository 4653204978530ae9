// The seam between the window host and the application's main window: the
// application derives its dialog from CHostDialog and hands it to
// CHostWindow::DoModal, which calls these handlers from its event loop.
#pragma once

#include <cstdint>

#include "VirtualKeys.h"

namespace host {

class CHostWindow;

// What runs a dialog's modal loop and can end it: the window host.
class CModalLoop {
  public:
    virtual void EndModal(int result) = 0;

  protected:
    ~CModalLoop() = default;
};

// Result of a dialog ended by Escape or by closing the window (IDCANCEL).
inline constexpr int kDialogCancel = 2;

class CHostDialog {
  public:
    CHostDialog() = default;
    CHostDialog(const CHostDialog &) = delete;
    CHostDialog &operator=(const CHostDialog &) = delete;
    virtual ~CHostDialog() = default;

    // Called once by DoModal after the window exists (still hidden) and before
    // any other handler; Host() is usable from here on.
    virtual bool OnInitDialog() = 0;
    // The window needs its content again (an expose).
    virtual void OnPaint() = 0;
    // flags is the mouse-flag word (kMouseLeft and its siblings) after the
    // change; x and y are client coordinates.
    virtual void OnMouseMove(uint32_t flags, int32_t x, int32_t y) = 0;
    virtual void OnLButtonDown(uint32_t flags, int32_t x, int32_t y) = 0;
    virtual void OnLButtonUp(uint32_t flags, int32_t x, int32_t y) = 0;
    virtual void OnRButtonDown(uint32_t flags, int32_t x, int32_t y) = 0;
    virtual void OnRButtonUp(uint32_t flags, int32_t x, int32_t y) = 0;
    // A key-down (auto-repeats included) with its virtual-key code (vk::).
    // Return, Escape and Tab never arrive here.
    virtual void OnKeyDown(uint32_t virtualKey) = 0;
    // A tick of the timer started with CHostWindow::SetTimer.
    virtual void OnWindowTimer() = 0;
    // The default command: Return or keypad Enter.
    virtual void OnSearchCommand() = 0;
    // Escape or the window's close box; ends the dialog unless overridden.
    virtual void OnCancel() { EndDialog(kDialogCancel); }

    // Ends the modal loop once the current handler returns; DoModal gives result.
    void EndDialog(int result) {
        if (m_pLoop)
            m_pLoop->EndModal(result);
    }

    // The host running this dialog; null outside DoModal.
    CHostWindow *Host() const { return m_pHost; }

  private:
    friend class CHostWindow;

    CHostWindow *m_pHost = nullptr;
    CModalLoop *m_pLoop = nullptr;
};

} // namespace host
