// The notification icon over the window's life: shown at the start, asked for again a few
// times when the shell refuses it, added again when the shell restarts, dropped at the end.
#pragma once

#include <windows.h>

// The timer that asks the shell for the icon again after a refusal.
static const UINT_PTR kIconTimer = 2;

// Adds the icon; without one, titles the window so that it can be found minimised, and asks
// for the icon again a few times from the icon's timer.
void showTrayIcon(HWND window);
// The icon's timer: asks for the icon once more.
void tryTrayIconAgain(HWND window);
// The shell has (re)started or changed its scale: the icon is added, also when it could not
// be added before, at the size the shell now asks for.
void onShellRestarted(HWND window);
// The window's end: the icon removed and asked for no more.
void dropTrayIcon(HWND window);
