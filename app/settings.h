// The magnifier's settings: "QILO.INI" in the current directory, section INIT.
#pragma once

#include <windows.h>

#include "app/state.h"

// Takes the view's size from the window's and moves a window no monitor shows onto one (the
// table's ranges have already limited what would break the program).
void sanitizeSettings(MagnifierState* state);

// Also chooses the face (LANGUAGE) the menus and messages use.
void loadSettings();
// Returns 0, or the system's error code when the file could not be written.
DWORD saveSettings();
