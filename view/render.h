// The magnify tick and the rendering of one frame.
#pragma once

#include <windows.h>

#include "app/state.h"

// A resting cursor renders only every this many ticks.
static const int kStillTickPeriod = 10;

// Runs one tick of timer 1; TRUE when a frame was rendered.
BOOL magnifyTick(HWND window);

// The distance the crosshair moves, in view pixels, when the source is pushed by d screen
// pixels at the given zoom factor.
int crosshairShift(int d, int zoomFactor);

// Composes one frame from sourceDC into the back buffer and copies it into the window.
// Creates no GDI object.
void renderFrame(MagnifierState* state);

// Copies the back buffer into the window with the chosen raster operation.
void presentFrame(const MagnifierState* state);
