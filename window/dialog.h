// The magnifier window's dialog procedure.
#pragma once

#include <windows.h>

#include "app/state.h"

INT_PTR CALLBACK magnifierDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam);

// After the window has gone: when the settings could not be written at its end, says so,
// naming the file and the system's reason, and waits for the user.
void reportUnsavedSettings();

// Adds or removes the sizing border by sizeFixed.
void applySizingBorder(HWND window, MagnifierState* state);
