// What the set-up tool refuses before it writes: a refresh period out of range, a folder name
// the file cannot keep, a key given to two functions, a key another program holds.
#pragma once

#include <windows.h>

#include "common/settings.h"

BOOL intervalInRange(int intervalMs);
// The file is kept in the system's code page: a name with characters outside it would come
// back as another name.
BOOL folderStorable(const wchar_t* folder);
// One key can start one function only: the second registration would fail at the magnifier's
// start. A fixed key (Ctrl+Space) counts while it is on. The row (in the hot key table) of the
// first key given twice, or -1.
int hotkeyGivenTwice(const Settings& chosen);
// Whether another program holds a key, as stored: the magnifier could not register it.
BOOL hotkeyHeldElsewhere(HWND probe, int key);
