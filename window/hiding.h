// Hiding the window to the notification icon (or, without one, minimising it with a taskbar
// button) and bringing it back.
#pragma once

#include <windows.h>

// Adds the icon; without one, titles the window so that it can be found minimised, and asks
// for the icon again a few times from the icon's timer.
void showTrayIcon(HWND window);
// The icon's timer: asks for the icon once more.
void tryTrayIconAgain(HWND window);
// The shell has (re)started or changed its scale: the icon is added, also when it could not
// be added before, at the size the shell now asks for.
void onShellRestarted(HWND window);

void hideOrMinimize(HWND window);
void restoreWindow(HWND window);
void toggleHidden(HWND window);
// A window restored from its taskbar button is a tool window again.
void dropTaskbarButton(HWND window);
