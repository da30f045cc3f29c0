// What the magnifier and its set-up tool agree on besides the settings file: how one program
// finds and closes the other, and how a stored hot key reads.
#pragma once

#include <windows.h>

// The named event that marks a running magnifier.
static const wchar_t kInstanceEventName[] = L"QF-QILO";
// A property on the magnifier's window, by which other programs find it.
static const wchar_t kMagnifierWindowProperty[] = L"QiloMagnifier";

// Whether a magnifier runs, and whether this program may reach it: one run as administrator or
// as another user keeps its event from us, and does not take our quit command.
enum MagnifierPresence { kNoMagnifier, kMagnifierRuns, kMagnifierOutOfReach };
MagnifierPresence magnifierPresence();
// What OpenEventW on the magnifier's event tells: the handle it gave, else its last error.
MagnifierPresence presenceFromEvent(HANDLE opened, DWORD error);
// Whether a magnifier runs (its event exists, reachable or not), and its window (null while it
// has none).
BOOL magnifierRunning();
HWND findMagnifierWindow();

// The command the set-up tool posts (WM_COMMAND) to close the magnifier, which saves first.
static const WPARAM kQuitCommand = IDOK;
// Whether the system refused a post (PostMessageW's result and its last error): UIPI blocks
// messages to a window of higher integrity that does not let them through.
BOOL postRefused(BOOL posted, DWORD error);

// The freeze and copy hot keys are stored as a hot-key control gives them: the virtual key in
// the low byte, HOTKEYF_ modifier bits in the next; 0 is none.
inline UINT hotkeyModifiers(int stored) {
    int flags = (stored >> 8) & 0xFF;
    return (flags & 0x01 ? MOD_SHIFT : 0) | (flags & 0x02 ? MOD_CONTROL : 0) |
           (flags & 0x04 ? MOD_ALT : 0);
}

inline UINT hotkeyKey(int stored) {
    return stored & 0xFF;
}

inline int clampInt(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}
