// Hands SDL events to a dialog's handlers, as the window messages of a
// Windows dialog would reach them.
#pragma once

#include <SDL_events.h>

#include <cstdint>

#include "HostDialog.h"

namespace host {

class CEventDispatcher {
  public:
    void Dispatch(const SDL_Event &event, CHostDialog &dialog);

  private:
    void DispatchWindowEvent(const SDL_WindowEvent &event, CHostDialog &dialog);
    void DispatchButton(const SDL_MouseButtonEvent &event, CHostDialog &dialog);
    static void DispatchKeyDown(const SDL_KeyboardEvent &event, CHostDialog &dialog);

    // Buttons and modifier keys held, tracked from the events themselves:
    // SDL's own state is already that of the last event queued, so a click
    // made with Shift would lose it when Shift's release is queued behind it.
    uint32_t m_buttonMask = 0;
    uint16_t m_modifiers = KMOD_NONE;
};

} // namespace host
