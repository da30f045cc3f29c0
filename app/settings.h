// The settings file "QILO.INI" in the current directory, section INIT.
#pragma once

#include <windows.h>

#include "app/state.h"

// Builds the settings path for a directory into path (MAX_PATH bytes). The separator is
// judged by the directory's last character in the given code page, not its last byte, so a
// double-byte character whose trail byte is 0x5C is no backslash. Returns FALSE, leaving a
// path relative to the current directory, when the directory does not fit.
BOOL buildSettingsPath(char* path, const char* directory, UINT codePage);

// Limits loaded values that would overflow the arithmetic or leave the program unusable;
// values in the sensible range are kept exactly.
void sanitizeSettings(MagnifierState* state);

void loadSettings();
void saveSettings();
