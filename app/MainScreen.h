// What the main screen does: the root's event handler and what it runs
// (showing a game, the word-wrapped description, the three searches,
// installing), and the mouse handler of the author lines.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "GUIControl.h"

class CCatalogEntry;

// The desktop services the screen's handlers call. The program uses the
// host's; tests put recorders in their place.
struct CScreenServices {
    std::function<void(const std::string &)> m_showMessage;
    std::function<bool(const std::string &)> m_openText;
    // Ends the process; only returns when a test replaced it.
    std::function<void(int)> m_exitProcess;
    // Called between the games of a long install: the window repaints and
    // input waits. False when the window has gone and the rest must stop.
    std::function<bool()> m_keepPainted;
};

CScreenServices &ScreenServices();
// Puts the host's services back.
void ResetScreenServices();

inline constexpr std::size_t kSearchTextSize = 256;
// The text of the last search from the first game.
extern char g_szSearchText[kSearchTextSize];

inline constexpr const char *kNoMatchMessage = "No matches found.";
inline constexpr const char *kInstalledLine0 = "The game was copied to the palm";
inline constexpr const char *kInstalledLine1 = "software's hotsync folder.";

// Installed as the root's OnPublicEvent: every event of the tree ends here.
int32_t MainScreenOnEvent(GUIControl *self, GUIControl *sender, int32_t event);

// Installed as the Mouse of the author lines: a left press opens the line's text.
void OpenLineMouse(GUIControl *self, int32_t x, int32_t y, uint8_t buttons, uint8_t changed,
                   uint8_t inside);

// Puts the first line of text into the edit with that identifier and returns
// where the next line starts.
const char *ShowTextLine(const char *pszID, const char *pszText);

// A description is wrapped into this many rows at most, so that a huge one
// shows at once; one more row then says that the text goes on.
inline constexpr int32_t kMaxWrappedRows = 500;
inline constexpr const char *kTextContinuesRow =
    "(The description goes on; it is too long to show.)";

// Adds the text to the list as rows narrower than the list, broken between words.
void WordWrapIntoList(GUIControl *pList, const char *pszText);

void ShowSelectedGame();
void SearchFromFirstGame();
void SearchForward();
void SearchBackward();
void InstallSelectedGame();
