// The pixel grid: from 6x up, a one-pixel line along the first view pixels of every source
// pixel but the first, and the marked pixel outlined. It is written straight into the back
// buffer's pixels, in its own file so that its loops keep their registers: a GDI call per
// line would cost more than the whole frame.
#pragma once

#include <windows.h>

#include "view/state.h"

// Draw into the back buffer just stretched, before the crosshair and the label: the grid's
// lines, and the marked pixel's square framed black outside and white inside.
void drawGrid(const MagnifierState* state);
void outlineMarkedPixel(const MagnifierState* state);
