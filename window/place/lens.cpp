#include <windows.h>

#include "window/place/lens.h"

#include "common/shared.h"

// One axis, low to high: after the source (right or below) where the window fits between it and
// the area's end, else before it, else in the area, from its start when it is too small.
static int spanBeside(int low, int high, int size, int areaLow, int areaHigh, int gap) {
    int roomAfter = high > areaLow ? high : areaLow;
    if (roomAfter + size <= areaHigh)
        return clampInt(high + gap, roomAfter, areaHigh - size);
    int roomBefore = low < areaHigh ? low : areaHigh;
    if (roomBefore - size >= areaLow)
        return clampInt(low - gap - size, areaLow, roomBefore - size);
    int at = high + gap < areaHigh - size ? high + gap : areaHigh - size;
    return at > areaLow ? at : areaLow;
}

RECT lensRect(RECT source, SIZE window, RECT workArea, int gap) {
    int x = spanBeside(source.left, source.right, window.cx, workArea.left, workArea.right, gap);
    int y = spanBeside(source.top, source.bottom, window.cy, workArea.top, workArea.bottom, gap);
    return {x, y, x + window.cx, y + window.cy};
}
