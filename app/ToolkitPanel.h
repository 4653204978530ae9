// Panels made of toolkit controls, for what the desktop does not offer: a
// window loaded from a layout script the program carries, over a cover that
// keeps the screen's controls out of reach, taking the main window's keys
// while it is open; and the message box built on it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "GUIControl.h"

// Something over the screen that takes every key of the window while it is
// open, Return and Escape included.
class CKeyGrab {
  public:
    virtual ~CKeyGrab() = default;
    virtual void OnGrabbedKey(int32_t key) = 0;
};

// The main window gives every key to the grab in force, an open panel;
// false when there is none.
bool GiveToKeyGrab(int32_t key);

// The key code that reaches the toolkit for a key-down, or none when the key
// is dropped: Shift is dropped, letters go in lower case, the rest unchanged.
std::optional<int32_t> TranslateKey(uint32_t virtualKey);
// A key-down of the window, translated, goes to the grab in force, else is
// shared with the tree under pRoot when there is one.
void RouteKeyDown(uint32_t virtualKey, GUIControl *pRoot);

// Serves the window once while a panel is open: false when the window has
// gone and the panel must close.
using ServeWindow = std::function<bool()>;

// Serves the window of the running host; always false without one.
ServeWindow ServeActiveHost();

class CToolkitPanel : public CKeyGrab {
  public:
    // pszLayout: a layout script whose one statement is the panel's Window,
    // placed in the root's coordinates.
    explicit CToolkitPanel(const char *pszLayout);
    ~CToolkitPanel() override;
    CToolkitPanel(const CToolkitPanel &) = delete;
    CToolkitPanel &operator=(const CToolkitPanel &) = delete;

    // Shows the panel and serves the window until Finish or until the window
    // goes; then takes the panel away. False when there is no screen to show
    // it on or its layout does not hold the parts it needs.
    bool Run(const ServeWindow &serveWindow);

  protected:
    // Finds and prepares the parts once the layout is loaded; false when one is missing.
    virtual bool SetUpParts() = 0;
    // An event raised by one of the parts.
    virtual void OnPartEvent(GUIControl *pSender, int32_t iEvent) = 0;

    void Finish() { m_bDone = true; }
    GUIControl *Window() const { return m_pWindow; }
    // The part with that identifier, or null when the layout has none of that type.
    GUIControl *Part(const char *pszID, const GUIControlType &type) const;

  private:
    // The cover as the toolkit sees it, and who owns it.
    struct CoverControl {
        GUIControl oControl;
        CToolkitPanel *pOwner;
    };

    bool Open();
    void Close();
    static int32_t OnCoverEvent(GUIControl *pSelf, GUIControl *pSender, int32_t iEvent);

    const char *m_pszLayout;
    CoverControl m_cover{};
    GUIControl *m_pWindow = nullptr;
    CKeyGrab *m_pPreviousGrab = nullptr;
    bool m_bOpen = false;
    bool m_bReady = false;
    bool m_bDone = false;
};

// Shows the text in a panel with an OK button over the screen of the running
// host, until OK, Return or Escape; a text of several lines in one panel after
// another. False when it could not be shown.
bool ShowToolkitMessageBox(const std::string &strText, const ServeWindow &serveWindow);
