// What newer versions of Windows offer a window, asked for where the system has it and
// skipped elsewhere (each function is looked up at run time).
#pragma once

#include <windows.h>

// A function of a system DLL, or null where this Windows has none.
template <class Function>
inline Function systemFunction(HMODULE module, const char* name) {
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

// Windows 11 rounds the corners of top-level windows, which would cut the frame and the
// readout's label: the compositor is asked for square ones.
void askForSquareCorners(HWND window);

// Windows 10 (1703 and later) rescales a per-monitor dialog when its DPI changes; the
// magnifier keeps the snapped size the user chose and its true pixels.
void keepDialogUnscaled(HWND dialog);

// The DPI of the monitor the window is on (Windows 10 1607 and later), else the system's.
int windowDpi(HWND window);
// The DPI of the monitor nearest the point (Windows 8.1 and later), else the system's.
int monitorDpiAt(POINT point);

// The display target (its adapter and id) that shows the monitor nearest the point: that of the
// active display path whose source is the monitor's GDI device. FALSE when none is found.
BOOL findDisplayTarget(POINT point, LUID* adapter, UINT32* target);
// Whether the monitor nearest the point shows advanced colour (HDR or a wide colour gamut):
// the screen then reads as tone-mapped sRGB, not the values shown. FALSE when not known.
BOOL monitorHasAdvancedColor(POINT point);

// The shell's announcement that it has (re)started: the notification icon must be added again.
UINT taskbarCreatedMessage();

// A magnifier run as administrator would not hear from the shell that it restarted: the system
// drops messages from programs of lower integrity unless the window lets them through. Only
// that announcement is let through; a command from any program could start the set-up tool
// elevated without a prompt.
void allowMessagesFromLowerIntegrity(HWND window);
// Whether the window lets the message through from lower integrity.
BOOL allowedFromLowerIntegrity(UINT message);

// Whether this process runs elevated (as administrator); FALSE when the system cannot tell.
BOOL runsElevated();

// Whether a window can be left out of screen captures on this Windows version: from Windows 10
// 2004 (build 19041) on; earlier builds take the request and show a black box instead.
BOOL captureExclusionWorks(DWORD major, DWORD minor, DWORD build);
// Leaves the window out of every screen capture (the magnifier's own, screenshots, screen
// sharing), or puts it back, where this Windows can; FALSE where it cannot or refuses.
BOOL leaveOutOfCaptures(HWND window, BOOL leaveOut);
