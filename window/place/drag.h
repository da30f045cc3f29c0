// Moving the caption-less window by dragging it with the left button, and the see-through
// drag's picture of the screen.
#pragma once

#include <windows.h>

void onDragPress(HWND window);
void onDragMove(HWND window);
void onDragRelease(HWND window);
// The window lost the mouse capture to another window: a release will never come.
void onDragCaptureLost(HWND window, HWND newCapture);
// Frees a see-through drag's picture (at the end of the window, too).
void dropDragSnapshot();
