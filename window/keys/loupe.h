// The loupe's keys: pick mode, in which the arrow keys move the cursor by one screen pixel
// (with Shift by ten) and Enter copies; the anchor the readout measures from; and the freeze,
// which holds the view's image.
#pragma once

#include <windows.h>

// The pick key: starts pick mode, or ends it.
void togglePickMode(HWND window);
// Gives the arrow keys, Enter and Esc back (at the mode's end, a hide and quit).
void endPickMode(HWND window);
// Moves the cursor by a step, stopping at the edges of the monitor it is on unless the step
// lands on another monitor.
void stepCursor(int dx, int dy);

// The anchor key: sets the anchor at the marked pixel, or clears it when it is there already.
void toggleAnchor();

// The freeze key: the view holds its last image, or follows again. A freeze ends when the view
// is hidden or its back buffer, which holds the image, is made anew.
void toggleFreeze();
void endFreeze();
