// Where the window is: its rectangle applied, kept on a monitor, its place in the z-order.
#pragma once

#include <windows.h>

#include "window/state.h"

// Moves a stored rectangle that no monitor shows onto the nearest monitor's work area.
void keepWindowOnAMonitor(Settings* settings);

// Takes the window's (restored) rectangle as the view's, opens the surfaces for it again and
// sizes the window to the view plus the frame.
void applyWindowRect(HWND window);
// Puts the window at its stored rectangle after insertAfter (HWND_TOPMOST, HWND_NOTOPMOST).
void placeInZOrder(HWND window, HWND insertAfter);
// The window's outer rectangle, or when it is minimised or maximised, the one it has restored.
RECT normalWindowRect(HWND window);
// Puts that rectangle's top-left corner at a point, the size kept, without activating.
void moveWindowTo(HWND window, POINT topLeft);
