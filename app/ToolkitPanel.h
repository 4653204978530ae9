// Panels drawn with the toolkit over the whole screen, for what the desktop
// does not offer: a modal panel with a title band over a dimmed picture of the
// screen, which takes the window's keys while it is open; and the message box
// built on it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "GUIControl.h"

// Something drawn over the screen that takes every key of the window while it
// is open, Return and Escape included.
class CKeyGrab {
  public:
    virtual ~CKeyGrab() = default;
    virtual void OnGrabbedKey(int32_t key) = 0;
};

// The main window gives every key to the grab in force; null ends it.
void SetKeyGrab(CKeyGrab *pGrab);
CKeyGrab *KeyGrab();

// Serves the window once while a panel is open: false when the window has
// gone and the panel must close.
using ServeWindow = std::function<bool()>;

// Serves the window of the running host; always false without one.
ServeWindow ServeActiveHost();

class CToolkitPanel : public CKeyGrab {
  public:
    // rect: where the panel goes, in the root's coordinates.
    CToolkitPanel(std::string strTitle, const GUIRect &rect);
    ~CToolkitPanel() override;
    CToolkitPanel(const CToolkitPanel &) = delete;
    CToolkitPanel &operator=(const CToolkitPanel &) = delete;

    // Shows the panel and serves the window until Finish or until the window
    // goes; then takes the panel away. False when there is no screen to show it on.
    bool Run(const ServeWindow &serveWindow);

  protected:
    // Adds the panel's controls (children of pPanel, in the panel's coordinates).
    virtual void MakeParts(GUIControl *pPanel) = 0;
    // An event raised by one of the parts.
    virtual void OnPartEvent(GUIControl *pSender, int32_t iEvent) = 0;

    void Finish() { m_bDone = true; }
    // A button of the skin's look with its caption centred.
    GUIControl *MakeButton(GUIControl *pPanel, GUIRect rect, const char *pszCaption);
    // A recessed well painted on the panel, behind the controls put there.
    void AddWell(const GUIRect &rect);

  private:
    struct CLook;
    // The panel's own records as the toolkit sees them, and who owns them.
    struct PanelControl {
        GUIControl oControl;
        CToolkitPanel *pOwner;
    };

    void Open();
    void Close();
    static CToolkitPanel &OwnerOf(GUIControl *pControl);
    static void DrawPanel(GUIControl *pSelf, GUIRect *pRect);
    static int32_t OnPanelEvent(GUIControl *pSelf, GUIControl *pSender, int32_t iEvent);

    std::string m_strTitle;
    GUIRect m_rect;
    std::unique_ptr<CLook> m_pLook;
    PanelControl m_blocker{};
    PanelControl m_panel{};
    CKeyGrab *m_pPreviousGrab = nullptr;
    bool m_bOpen = false;
    bool m_bDone = false;
};

// Shows the text in a panel with an OK button over the screen of the running
// host, until OK, Return or Escape. False when it could not be shown.
bool ShowToolkitMessageBox(const std::string &strText, const ServeWindow &serveWindow);
