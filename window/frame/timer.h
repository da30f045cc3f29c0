// The magnifier's timer: the one place it is started and stopped, and the frame drawn again
// with it.
#pragma once

#include <windows.h>

#include "window/state.h"

// The timer's id: every tick may render a frame.
static const UINT_PTR kMagnifyTimer = 1;

// Starts the timer at the period in force (again, when it runs), and stops it.
void startTicking(HWND window);
void stopTicking(HWND window);

// Draws the black frame again and restarts the timer, unless the window is hidden.
void redrawFrame(HWND window);
// The same after hiding and showing the window (not during a drag), which repaints what it
// covers when the frame changed.
void flashAndRedrawFrame(HWND window);
