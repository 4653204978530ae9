// Windows virtual-key codes and mouse-flag bits, the values the dialog's key
// and mouse handlers receive whatever window system delivered the input.
#pragma once

#include <cstdint>

#include "GUIInputCodes.h"

namespace host {

// Bits of the mouse-flag word (MK_LBUTTON and its siblings), each set while held.
inline constexpr uint32_t kMouseLeft = GUI_MOUSE_LEFT;
inline constexpr uint32_t kMouseRight = GUI_MOUSE_RIGHT;
inline constexpr uint32_t kMouseShift = GUI_MOUSE_SHIFT;
inline constexpr uint32_t kMouseControl = GUI_MOUSE_CONTROL;
inline constexpr uint32_t kMouseMiddle = GUI_MOUSE_MIDDLE;

namespace vk {

inline constexpr uint32_t kBack = 0x08;
inline constexpr uint32_t kTab = 0x09;
inline constexpr uint32_t kClear = 0x0C;
inline constexpr uint32_t kReturn = 0x0D;
inline constexpr uint32_t kShift = 0x10;
inline constexpr uint32_t kControl = 0x11;
inline constexpr uint32_t kMenu = 0x12; // Alt
inline constexpr uint32_t kPause = 0x13;
inline constexpr uint32_t kCapital = 0x14; // Caps Lock
inline constexpr uint32_t kEscape = 0x1B;
inline constexpr uint32_t kSpace = 0x20;
inline constexpr uint32_t kPrior = 0x21; // Page Up
inline constexpr uint32_t kNext = 0x22;  // Page Down
inline constexpr uint32_t kEnd = 0x23;
inline constexpr uint32_t kHome = 0x24;
inline constexpr uint32_t kLeft = 0x25;
inline constexpr uint32_t kUp = 0x26;
inline constexpr uint32_t kRight = 0x27;
inline constexpr uint32_t kDown = 0x28;
inline constexpr uint32_t kSnapshot = 0x2C; // Print Screen
inline constexpr uint32_t kInsert = 0x2D;
inline constexpr uint32_t kDelete = 0x2E;
inline constexpr uint32_t kDigit0 = 0x30;  // '0' to '9' follow in order
inline constexpr uint32_t kLetterA = 0x41; // 'A' to 'Z' follow in order
inline constexpr uint32_t kLeftWin = 0x5B;
inline constexpr uint32_t kRightWin = 0x5C;
inline constexpr uint32_t kApps = 0x5D;
inline constexpr uint32_t kNumpad0 = 0x60; // keypad 0 to 9 follow in order
inline constexpr uint32_t kMultiply = 0x6A;
inline constexpr uint32_t kAdd = 0x6B;
inline constexpr uint32_t kSubtract = 0x6D;
inline constexpr uint32_t kDecimal = 0x6E;
inline constexpr uint32_t kDivide = 0x6F;
inline constexpr uint32_t kF1 = 0x70; // F1 to F24 follow in order
inline constexpr uint32_t kNumLock = 0x90;
inline constexpr uint32_t kScrollLock = 0x91;
inline constexpr uint32_t kOem1 = 0xBA; // ;:
inline constexpr uint32_t kOemPlus = 0xBB;
inline constexpr uint32_t kOemComma = 0xBC;
inline constexpr uint32_t kOemMinus = 0xBD;
inline constexpr uint32_t kOemPeriod = 0xBE;
inline constexpr uint32_t kOem2 = 0xBF;   // /?
inline constexpr uint32_t kOem3 = 0xC0;   // `~
inline constexpr uint32_t kOem4 = 0xDB;   // [{
inline constexpr uint32_t kOem5 = 0xDC;   // \|
inline constexpr uint32_t kOem6 = 0xDD;   // ]}
inline constexpr uint32_t kOem7 = 0xDE;   // '"
inline constexpr uint32_t kOem102 = 0xE2; // the extra key beside left Shift on ISO keyboards

} // namespace vk
} // namespace host
