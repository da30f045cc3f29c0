// The drawing surfaces of the magnifier's window: the screen DC, the window DC and the back
// buffer with the crosshair pen, opened and closed in one place.
#pragma once

#include <windows.h>

#include "window/state.h"

// A DC of the whole screen in the system's coordinates, and its release.
HDC openScreenDC();
void closeScreenDC(HDC dc);

// Opens the surfaces for the window (nothing when they are open), the readout's label (when in
// use) at the DPI of the monitor it is on; and closes them, ending a freeze, whose image goes
// with them.
void openSurfaces(HWND window, MagnifierState* state);
void closeSurfaces(HWND window, MagnifierState* state);

// The surfaces made again for what the settings now ask (the smoothing buffer).
void reopenSurfaces(HWND window);

// Whether the system shows the mouse pointer, and where: its image prepared (again, when it
// changed) for the frame to draw.
BOOL pointerToDraw(POINT* at);

// A source lent to the frames instead of the screen (a see-through drag's picture), over any
// reopening of the surfaces, till it is given back; the lender frees it after.
void lendSource(HDC source);
void giveSourceBack();

// The next paint renders anew: the frame the back buffer holds is out of date (hidden since).
void forgetShownFrame();
