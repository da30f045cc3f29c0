// One frame: the source stretched into the back buffer, the crosshair and the readout drawn
// over it, and the result copied into the window, all into the surfaces given.
#pragma once

#include <windows.h>

#include "view/state.h"

// Composes one frame from the source DC into the back buffer and copies it into the window
// DC. With keepOnMonitor the source is first pushed back onto the monitor (a see-through
// drag's snapshot is read as it is). Creates no GDI object.
void renderFrame(MagnifierState* state, BOOL keepOnMonitor);

// Copies the back buffer into the window with the chosen raster operation.
void presentFrame(const MagnifierState* state);

// The black frame's path along the outer edges of a DC.
void drawFrame(HDC dc, int right, int bottom);
