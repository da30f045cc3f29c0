#include <windows.h>

#include "common/shared.h"

// Without a handle only access denied says that the event exists. Any other error (none of
// that name, or the name taken by an object of another kind) leaves no magnifier to find: it
// starts only by creating that event, and refusing to save on such an error would lock the
// user out of the settings for nothing.
MagnifierPresence presenceFromEvent(HANDLE opened, DWORD error) {
    if (opened)
        return kMagnifierRuns;
    return error == ERROR_ACCESS_DENIED ? kMagnifierOutOfReach : kNoMagnifier;
}

MagnifierPresence magnifierPresence() {
    HANDLE event = OpenEventW(SYNCHRONIZE, FALSE, kInstanceEventName);
    MagnifierPresence presence = presenceFromEvent(event, GetLastError());
    // Held open, the event would make a restarted magnifier think another one runs.
    if (event)
        CloseHandle(event);
    return presence;
}

BOOL magnifierRunning() {
    return magnifierPresence() != kNoMagnifier;
}

// A post that succeeded may leave an older error behind.
BOOL postRefused(BOOL posted, DWORD error) {
    return !posted && error == ERROR_ACCESS_DENIED;
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
