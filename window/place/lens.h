// The lens: the window carried beside the source it shows as the cursor moves, clicks and the
// wheel passing through it to the windows beneath, and its own place kept meanwhile.
#pragma once

#include <windows.h>

// The gap between the lens and the source at 96 DPI.
static const int kLensGapAt96 = 8;

// Where the lens goes: the window's outer rectangle beside the source (both in screen
// coordinates), below and to the right of it, on an axis where the window does not fit there
// on the other side, gap pixels off it (less at the work area's edge), and wholly in the work
// area. Where the window fits on neither side on either axis, it stays in the work area over
// the source (a window larger than the area keeps its left or top edge on it).
RECT lensRect(RECT source, SIZE window, RECT workArea, int gap);

// Makes the window the lens, or its own window again, as LENS says; the lens only while its
// menus (through the notification icon) or its key can turn it off again, as clicks pass
// through it. After LENS, the icon or the keys change.
void followLensSetting(HWND window);
// While the window is the lens: moves it beside the source of the frame shown, unless that
// source and the window's size are those it was placed for.
void carryLens(HWND window);
// The monitors, their work areas or the scale changed: the next frame places the lens anew.
void forgetLensPlace();
// The window's own top-left corner, which the settings keep: while it is the lens, where it
// was before; else where it is (restored).
POINT windowHome(HWND window);
