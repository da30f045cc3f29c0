// The magnifier window's dialog procedure.
#pragma once

#include <windows.h>

#include "app/state.h"

INT_PTR CALLBACK magnifierDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam);

// Adds or removes the sizing border by sizeFixed.
void applySizingBorder(HWND window, MagnifierState* state);
