// What each tick of the magnifier's timer does.
#pragma once

#include <windows.h>

// A resting cursor renders only every this many ticks.
static const int kStillTickPeriod = 10;

// Runs one tick of a window that is shown; TRUE when a frame was rendered.
BOOL magnifyTick(HWND window);
// A new window: its first tick renders, as for a moved cursor.
void forgetLastCursor();
// The next tick renders even while everything rests: the frame shown has caught what has moved
// away since (the lens's last place, which the source may now cover).
void renderAtNextTick();

// Renders a frame now, as for a moved cursor, unless the window is hidden: for a key that
// reads the marked pixel or changes the readout.
void renderNow(HWND window);

// WM_PAINT: the last frame shown again from the back buffer, with the black frame.
void paintLastFrame(HWND window);
