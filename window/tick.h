// What each tick of the magnifier's timer does.
#pragma once

#include <windows.h>

// A resting cursor renders only every this many ticks.
static const int kStillTickPeriod = 10;

// Runs one tick; TRUE when a frame was rendered.
BOOL magnifyTick(HWND window);

// Renders a frame now, as for a moved cursor, unless the window is hidden: for a key that
// reads the marked pixel or changes the readout.
void renderNow(HWND window);

// WM_PAINT: the last frame shown again from the back buffer, with the black frame.
void paintLastFrame(HWND window);
