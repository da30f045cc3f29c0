// What each of the hot key table's keys does (common/hotkeys.h); registering them is
// window/keys/hotkeys.h's.
#pragma once

#include <windows.h>

// WM_HOTKEY: the action of the key with that id (a pick mode key only in pick mode).
void runHotkey(HWND window, int id);
