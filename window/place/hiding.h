// Hiding the window to the notification icon (or, without one, minimising it with a taskbar
// button) and bringing it back.
#pragma once

#include <windows.h>

// Started hidden: the first tick goes to the icon.
void hideAtStart();
void hideOrMinimize(HWND window);
void restoreWindow(HWND window);
void toggleHidden(HWND window);
