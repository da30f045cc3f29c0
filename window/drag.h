// Moving the caption-less window by dragging it with the left button.
#pragma once

#include <windows.h>

#include "app/state.h"

void onDragPress(HWND window);
void onDragMove(HWND window);
void onDragRelease(HWND window);
// The window lost the mouse capture to another window: a release will never come.
void onDragCaptureLost(HWND window, HWND newCapture);

void moveWithCursor(HWND window);
void takeDragSnapshot(HWND window, MagnifierState* state);
void dropDragSnapshot(HWND window, MagnifierState* state);
