// Where the window is and how it is sized: its rectangle applied, its sizing border, its place
// in the z-order, the snapping of new sizes, and the view computed for its size.
#pragma once

#include <windows.h>

#include "window/state.h"

// Moves a stored rectangle that no monitor shows onto the nearest monitor's work area.
void keepWindowOnAMonitor(Settings* settings);

// Takes the window's rectangle as the view's, opens the surfaces for it again and sizes the
// window to the view plus the frame.
void applyWindowRect(HWND window);
// Adds or removes the sizing border by sizeFixed.
void applySizingBorder(HWND window);
// Puts the window at its stored rectangle after insertAfter (HWND_TOPMOST, HWND_NOTOPMOST).
void placeInZOrder(HWND window, HWND insertAfter);
// WM_WINDOWPOSCHANGING: a new size snaps to the zoom.
void snapWindowSize(WINDOWPOS* pos);
// The view's geometry for the settings in force, and the monitor under the cursor (the one
// before stays when the cursor cannot be read).
void updateView();
