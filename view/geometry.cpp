#include <windows.h>

#include "view/geometry.h"

#include "common/settings.h"

// The smallest size a proposed width or height is raised to before snapping.
static const int kMinSnapSize = 50;

const ZoomEntry zoomTable[10] = {
    {kZoom1, 1}, {kZoom1_5, -1}, {kZoom2, 2}, {kZoom3, 3}, {kZoom4, 4},
    {kZoom5, 5}, {kZoom6, 6},    {kZoom7, 7}, {kZoom8, 8}, {kZoom16, 16},
};

const ZoomEntry* findZoomEntry(int command) {
    for (const ZoomEntry& entry : zoomTable) {
        if (entry.command == command)
            return &entry;
    }
    return nullptr;
}

void computeGeometry(MagnifierState* state) {
    const ZoomEntry* entry = findZoomEntry(state->zoomCommand);
    int innerW = state->viewWidth - 2 * state->frameWidth;
    int innerH = state->viewHeight - 2 * state->frameWidth;
    if (entry && entry->factor == -1) {
        // 1.5x: two thirds of the inner size; the crosshair sits at half the magnified
        // source, which is three quarters of the source size.
        state->srcWidth = (2 * innerW) / 3;
        state->srcHeight = (2 * innerH) / 3;
        state->crossX = (3 * state->srcWidth) / 4;
        state->crossY = (3 * state->srcHeight) / 4;
    } else {
        // Unknown ZOOM values from the settings file stretch 1:1.
        int divisor = entry ? entry->factor : 1;
        state->srcWidth = innerW / divisor;
        state->srcHeight = innerH / divisor;
        state->crossX = state->viewWidth / 2;
        state->crossY = state->viewHeight / 2;
    }
    state->srcHalfWidth = state->srcWidth / 2;
    state->srcHalfHeight = state->srcHeight / 2;
    POINT cursor;
    if (GetCursorPos(&cursor))  // else the monitor stays the one looked up last
        findMonitor(cursor, &state->monitor);
}

void findMonitor(POINT point, RECT* rect) {
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info))
        *rect = info.rcMonitor;
    else
        SetRect(rect, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

void selectZoom(int command, MagnifierState* state) {
    const ZoomEntry* selected = findZoomEntry(command);
    if (!selected)
        return;
    for (const ZoomEntry& entry : zoomTable) {
        UINT mark = entry.command == command ? MF_CHECKED : MF_UNCHECKED;
        CheckMenuItem(zoomMenu, entry.command, MF_BYCOMMAND | mark);
    }
    state->zoomFactor = selected->factor;
}

// Snaps one proposed outer size. The frame margin is taken off before snapping and not added
// back. Until a zoom entry is selected the factor is 0; the view then stretches 1:1, so the
// size snaps to the step of 1x.
static int snapSize(int proposed, int heldSize, int zoomFactor, int frameWidth) {
    if (proposed == heldSize)
        return proposed;
    if (proposed < kMinSnapSize)
        return kMinSnapSize;
    int step = 2 * (zoomFactor != 0 ? zoomFactor : 1);
    return ((proposed - 2 * frameWidth) / step) * step;
}

void snapWindowSize(WINDOWPOS* pos) {
    pos->cx = snapSize(pos->cx, magnifier.windowWidth, magnifier.zoomFactor, magnifier.frameWidth);
    pos->cy = snapSize(pos->cy, magnifier.windowHeight, magnifier.zoomFactor, magnifier.frameWidth);
}
