// A running magnifier closed so that the tool can write the file, and started again as it was.
#pragma once

#include <windows.h>

// What is needed to start a closed magnifier again as it was.
struct MagnifierStart {
    BOOL visible;
    wchar_t exePath[MAX_PATH];
};

// The running magnifier's window, waited for a moment while one starts or ends (it holds its
// event without a window then); null when none runs or it shows no window.
HWND waitForMagnifierWindow();
// How a magnifier asked to quit answered: it ended, it did not (in time), or the system refused
// the command (a magnifier run as administrator takes none from us).
enum CloseResult { kClosed, kNotClosed, kCloseRefused };
// Posts the quit command (the magnifier writes its own keys on the way out) and waits for the
// process to end.
CloseResult closeMagnifier(HWND window, MagnifierStart* start);
// Starts it again in the tool's current directory, the folder of the file, shown or hidden.
BOOL startMagnifier(const MagnifierStart* start);
