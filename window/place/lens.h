// The lens: the window carried beside the source it shows, as the cursor moves.
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
