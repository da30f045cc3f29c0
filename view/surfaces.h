// The drawing surfaces (screen DC, window DC, back buffer with the crosshair pen), the black
// frame, timer 1 and re-applying the window rectangle.
#pragma once

#include <windows.h>

#include "app/state.h"

// The magnifier's timer: every tick renders a frame.
static const UINT_PTR kMagnifyTimer = 1;

// A DC of the whole screen in the system's coordinates, and its release.
HDC openScreenDC();
void closeScreenDC(HDC dc);

void openSurfaces(HWND window, MagnifierState* state);
void closeSurfaces(HWND window, MagnifierState* state);
void drawFrame(HDC dc, int right, int bottom);
void restartTimer(HWND window, int flash);
void applyWindowRect(HWND window);

// The snapshot DC of a see-through drag, or null; owned by the drag (window/drag.cpp).
extern HDC snapshotDC;
