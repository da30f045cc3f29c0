// The magnifier's settings: "QILO.INI" in the current directory, section INIT.
#pragma once

#include <windows.h>

#include "app/state.h"

// Limits loaded values that would overflow the arithmetic or leave the program unusable;
// values in the sensible range are kept exactly.
void sanitizeSettings(MagnifierState* state);

// Also chooses the face (LANGUAGE) the menus and messages use.
void loadSettings();
// Returns 0, or the system's error code when the file could not be written.
DWORD saveSettings();
