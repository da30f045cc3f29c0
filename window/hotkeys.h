// The global hot keys: Ctrl+Space, and the freeze and copy keys when set.
#pragma once

#include <windows.h>

static const int kHotkeyId = 0;  // Ctrl+Space
static const int kFreezeHotkeyId = 1;
static const int kCopyHotkeyId = 2;

// Registers the keys the settings name; a key another program holds is skipped, silently.
void registerHotkeys(HWND window);
