// The taskbar button of a window without a notification icon: given while it is minimised, so
// that it can be restored from there, and taken away again after.
#pragma once

#include <windows.h>

// Minimises the window with a taskbar button.
void minimizeToTaskbar(HWND window);
// A window restored from its taskbar button is a tool window again.
void dropTaskbarButton(HWND window);
