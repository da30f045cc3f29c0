// The magnifier's settings file: "QILO.INI" in the current directory at start, read through
// the settings table at start and written at the end.
#pragma once

#include <windows.h>

#include "window/state.h"

// Reads every key into magnifier.settings, chooses the face (LANGUAGE) and sizes the view.
void loadSettings();
// Writes the magnifier's keys; 0, or the system's error when the file could not be written.
DWORD saveSettings();
// Says that the settings file could not be written (error not 0), naming it and the system's
// reason, and waits for the user.
void tellSaveFailure(DWORD error);
