// The global hot keys: Ctrl+Space, and the freeze, copy and loupe keys when set; and the keys
// pick mode takes while it lasts.
#pragma once

#include <windows.h>

static const int kHotkeyId = 0;  // Ctrl+Space
static const int kFreezeHotkeyId = 1;
static const int kCopyHotkeyId = 2;
static const int kPickHotkeyId = 3;
static const int kAnchorHotkeyId = 4;
static const int kSaveHotkeyId = 5;
// Pick mode's keys, from this id on, in the order of window/loupe.cpp's table.
static const int kFirstPickKeyId = 16;

// Registers the keys the settings name; a key another program holds is skipped, silently.
void registerHotkeys(HWND window);
