#include "HostEvents.h"

#include "HostInput.h"

namespace host {

void CEventDispatcher::Dispatch(const SDL_Event &event, CHostDialog &dialog) {
    switch (event.type) {
    case SDL_QUIT:
        dialog.OnCancel();
        break;
    case SDL_WINDOWEVENT:
        DispatchWindowEvent(event.window, dialog);
        break;
    case SDL_MOUSEMOTION:
        m_buttonMask = event.motion.state;
        dialog.OnMouseMove(MouseFlagWord(m_buttonMask, m_modifiers), event.motion.x,
                           event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        DispatchButton(event.button, dialog);
        break;
    case SDL_KEYDOWN:
        m_modifiers = event.key.keysym.mod;
        DispatchKeyDown(event.key, dialog);
        break;
    case SDL_KEYUP:
        m_modifiers = event.key.keysym.mod;
        break;
    default:
        break;
    }
}

void CEventDispatcher::DispatchWindowEvent(const SDL_WindowEvent &event, CHostDialog &dialog) {
    if (event.event == SDL_WINDOWEVENT_EXPOSED)
        dialog.OnPaint();
    else if (event.event == SDL_WINDOWEVENT_CLOSE)
        dialog.OnCancel();
}

void CEventDispatcher::DispatchButton(const SDL_MouseButtonEvent &event, CHostDialog &dialog) {
    const bool pressed = event.state == SDL_PRESSED;
    m_buttonMask = UpdateButtonMask(m_buttonMask, event.button, pressed);
    const uint32_t flags = MouseFlagWord(m_buttonMask, m_modifiers);
    if (event.button == SDL_BUTTON_LEFT) {
        if (pressed)
            dialog.OnLButtonDown(flags, event.x, event.y);
        else
            dialog.OnLButtonUp(flags, event.x, event.y);
    } else if (event.button == SDL_BUTTON_RIGHT) {
        if (pressed)
            dialog.OnRButtonDown(flags, event.x, event.y);
        else
            dialog.OnRButtonUp(flags, event.x, event.y);
    }
}

void CEventDispatcher::DispatchKeyDown(const SDL_KeyboardEvent &event, CHostDialog &dialog) {
    const KeyAction action =
        RouteKeyDown(event.keysym.sym, event.keysym.scancode, event.keysym.mod);
    switch (action.route) {
    case KeyRoute::SearchCommand:
        dialog.OnSearchCommand();
        break;
    case KeyRoute::Cancel:
        dialog.OnCancel();
        break;
    case KeyRoute::KeyDown:
        dialog.OnKeyDown(action.virtualKey);
        break;
    case KeyRoute::Ignore:
        break;
    }
}

} // namespace host
