// One frame: the source stretched into the back buffer, the crosshair and the readout drawn
// over it, and the result copied into the window, all into the surfaces given.
#pragma once

#include <windows.h>

#include "view/state.h"

// What a frame shows over the magnified source, as its caller decides.
struct FrameParts {
    BOOL keepOnMonitor;  // the source pushed back onto the monitor first (not a drag's snapshot)
    BOOL readPoint;      // the marked pixel's colour read into view.pointColor
    BOOL grid;           // the pixel grid (from 6x up)
    BOOL outline;        // the marked pixel's outline (from 6x up)
    BOOL crosshair;
    BOOL readout;  // the label (the surfaces opened it)
    BOOL smooth;   // scaled with interpolation (when the surfaces have its buffer)
    BOOL pointer;  // the prepared pointer image at the cursor
    POINT cursor;  // where the pointer is, for the image
    int filter;    // the ColorFilter the view is shown through, after the point is read
};

// Composes one frame from the source DC into the back buffer and copies it into the window
// DC. Creates no GDI object.
void renderFrame(MagnifierState* state, const FrameParts& parts);

// Copies the back buffer into the window with the chosen raster operation.
void presentFrame(const MagnifierState* state);

// The black frame's path along the outer edges of a DC.
void drawFrame(HDC dc, int right, int bottom);
