#include <windows.h>

#include "common/shared.h"

BOOL magnifierRunning() {
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, kInstanceEventName);
    if (!event)
        return FALSE;
    // Held open, the event would make a restarted magnifier think another one runs.
    CloseHandle(event);
    return TRUE;
}

static BOOL CALLBACK matchMagnifierWindow(HWND window, LPARAM found) {
    if (!GetPropW(window, kMagnifierWindowProperty))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND findMagnifierWindow() {
    HWND found = nullptr;
    EnumWindows(matchMagnifierWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}
