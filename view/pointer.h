// The mouse pointer in the view. A screen read leaves the pointer out, so the view draws it:
// its image, enlarged as the screen is, with its hot spot on the cursor's magnified pixel.
#pragma once

#include <windows.h>

#include "view/state.h"

// Prepares the image of the pointer, or of the system's arrow where this process cannot draw
// it (another program's pointer, under some systems); nothing when it is prepared already.
void preparePointer(PointerImage* image, HCURSOR pointer);
void freePointer(PointerImage* image);

// Draws the prepared image into the back buffer over what is there, enlarged by the view's
// zoom, its hot spot on the first view pixel of screen pixel `at`.
void drawPointer(const MagnifierState* state, POINT at);
