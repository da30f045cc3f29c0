// The magnifier window's dialog procedure: one handler per message.
#pragma once

#include <windows.h>

INT_PTR CALLBACK magnifierDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam);

// After the window has gone: when the settings could not be written at its end, says so,
// naming the file and the system's reason, and waits for the user.
void reportUnsavedSettings();
