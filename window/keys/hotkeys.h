// The magnifier's global hot keys (the table in common/hotkeys.h): registered and given back.
// What each key does is the dialog's (window/dialog/keyactions.h).
#pragma once

#include <windows.h>

#include "common/hotkeys.h"

// Registers the keys of that time the settings turn on; a key another program holds is
// skipped, silently, and so is a chosen key without Ctrl, Alt or Shift, which would be taken
// from every program.
void registerHotkeys(HWND window, HotkeyTime time);
// Gives the keys of that time back.
void releaseHotkeys(HWND window, HotkeyTime time);
// Whether a key of the action is registered now (not skipped, not given back).
BOOL hotkeyRegistered(HotkeyAction action);
