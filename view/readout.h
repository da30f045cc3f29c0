// The readout: the screen position and colour of the pixel the crosshair marks, shown in a
// label in the view's corner farthest from the crosshair; and what the copy key copies.
#pragma once

#include <windows.h>

#include "view/state.h"

// The label's bitmap and font, made when the surfaces open with the readout on, at the DPI of
// the monitor the window is on, and freed.
void openReadout(const MagnifierState* state, int dpi);
void closeReadout();

// The colour of the marked pixel, read from the back buffer just after the source was stretched
// into it (before the crosshair covers it).
COLORREF readMarkedPixel(const MagnifierState* state);

// Writes "X, Y #RRGGBB" into text (40 bytes); returns its length.
int formatReadout(char* text, int x, int y, COLORREF color);

// Draws the label into the back buffer, away from the crosshair at (crossX, crossY).
void drawReadout(const MagnifierState* state, int crossX, int crossY);

// The view as shown (inverted when it is), in a new bitmap the caller owns.
HBITMAP copyViewBitmap(const MagnifierState* state);
// Writes "#RRGGBB" into text (8 bytes); returns its length.
int formatColor(char* text, COLORREF color);
