// The notification icon: added, changed and removed, nothing else.
#pragma once

#include <windows.h>

// The icon's id among the window's icons.
static const UINT kTrayIconId = 1;

// Loads the image at the size the shell asks for at the DPI in force (the one loaded before
// stays when none can be loaded).
void loadTrayIcon();
// TRUE when the shell took the icon.
BOOL addTrayIcon(HWND window);
// TRUE when the icon is there now: changed when the shell had it, else added.
BOOL retryTrayIcon(HWND window);
// Loads the image again (the scale has changed) and shows it.
void changeTrayIcon(HWND window);
void removeTrayIcon(HWND window);
