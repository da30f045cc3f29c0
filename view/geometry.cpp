#include <windows.h>

#include "view/geometry.h"

#include "common/settings.h"

// The smallest size a proposed width or height is raised to before snapping.
static const int kMinSnapSize = 50;

const ZoomEntry zoomTable[10] = {
    {kZoom1, 1, kMenuZoom1},    {kZoom1_5, -1, kMenuZoom1_5}, {kZoom2, 2, kMenuZoom2},
    {kZoom3, 3, kMenuZoom3},    {kZoom4, 4, kMenuZoom4},      {kZoom5, 5, kMenuZoom5},
    {kZoom6, 6, kMenuZoom6},    {kZoom7, 7, kMenuZoom7},      {kZoom8, 8, kMenuZoom8},
    {kZoom16, 16, kMenuZoom16},
};

const ZoomEntry* findZoomEntry(int command) {
    for (const ZoomEntry& entry : zoomTable) {
        if (entry.command == command)
            return &entry;
    }
    return nullptr;
}

void computeGeometry(const Settings& settings, View* view) {
    const ZoomEntry* entry = findZoomEntry(settings.zoomCommand);
    int innerW = view->viewWidth - 2 * view->frameWidth;
    int innerH = view->viewHeight - 2 * view->frameWidth;
    if (entry && entry->factor == -1) {
        // 1.5x: two thirds of the inner size.
        view->srcWidth = (2 * innerW) / 3;
        view->srcHeight = (2 * innerH) / 3;
    } else {
        // Unknown ZOOM values from the settings file stretch 1:1.
        int divisor = entry ? entry->factor : 1;
        view->srcWidth = innerW / divisor;
        view->srcHeight = innerH / divisor;
    }
    view->srcHalfWidth = view->srcWidth / 2;
    view->srcHalfHeight = view->srcHeight / 2;
    // The crosshair marks the source's centre pixel.
    view->crossX = view->frameWidth + viewSpanStart(view->srcHalfWidth, innerW, view->srcWidth);
    view->crossY = view->frameWidth + viewSpanStart(view->srcHalfHeight, innerH, view->srcHeight);
}

void deriveView(const Settings& settings, View* view) {
    view->frameWidth = settings.frameStyle != 0 ? 1 : 0;
    selectZoom(settings.zoomCommand, view);
    computeGeometry(settings, view);
}

// The first view pixel whose stretch starts at or after source pixel d: d * viewSize /
// sourceSize rounded up. (Stretching, the system shows source pixel d on that pixel whether it
// rounds from the pixels' corners or from their centres.)
int viewSpanStart(int d, int viewSize, int sourceSize) {
    return sourceSize > 0 ? (d * viewSize + sourceSize - 1) / sourceSize : d;
}

POINT viewSpanStartOf(const View& view, int x, int y) {
    int f = view.frameWidth;
    return {f + viewSpanStart(x - view.srcX, view.viewWidth - 2 * f, view.srcWidth),
            f + viewSpanStart(y - view.srcY, view.viewHeight - 2 * f, view.srcHeight)};
}

void centreSource(View* view, POINT centre) {
    view->srcX = centre.x - view->srcHalfWidth;
    view->srcY = centre.y - view->srcHalfHeight;
    view->pointX = centre.x;
    view->pointY = centre.y;
}

// A source wider than the monitor ends at its right edge (the left check comes first).
static int keepInRange(int value, int low, int high) {
    if (value < low)
        value = low;
    if (value > high)
        value = high;
    return value;
}

void keepSourceOnMonitor(View* view) {
    const RECT& m = view->monitor;
    view->srcX = keepInRange(view->srcX, m.left, m.right - view->srcWidth);
    view->srcY = keepInRange(view->srcY, m.top, m.bottom - view->srcHeight);
}

void findMonitor(POINT point, RECT* rect) {
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info))
        *rect = info.rcMonitor;
    else
        SetRect(rect, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

BOOL selectZoom(int command, View* view) {
    const ZoomEntry* selected = findZoomEntry(command);
    if (!selected)
        return FALSE;
    view->zoomFactor = selected->factor;
    return TRUE;
}

// The frame margin is taken off before snapping and not added back. Until a zoom entry is
// selected the factor is 0; the view then stretches 1:1, so the size snaps to the step of 1x.
int snapSize(int proposed, int heldSize, int zoomFactor, int frameWidth) {
    if (proposed == heldSize)
        return proposed;
    if (proposed < kMinSnapSize)
        return kMinSnapSize;
    int step = 2 * (zoomFactor != 0 ? zoomFactor : 1);
    return ((proposed - 2 * frameWidth) / step) * step;
}

// One axis of a sizing drag: the edge dragged moved by the mouse's way, and the size snapped
// there, so that the opposite edge stays where it was.
static void
sizeSpan(LONG* low, LONG* high, int dragged, int moved, int held, int zoomFactor, int frameWidth) {
    if (dragged < 0)
        *low += moved;
    else if (dragged > 0)
        *high += moved;
    int size = snapSize(*high - *low, held, zoomFactor, frameWidth);
    if (dragged < 0)
        *low = *high - size;
    else
        *high = *low + size;
}

RECT sizedRect(RECT start, int edge, POINT moved, SIZE held, int zoomFactor, int frameWidth) {
    // The edges each WMSZ_ value drags: -1 the left or top, 1 the right or bottom.
    static const int kHorizontal[] = {0, -1, 1, 0, -1, 1, 0, -1, 1};
    static const int kVertical[] = {0, 0, 0, -1, -1, -1, 1, 1, 1};
    if (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT)
        return start;
    sizeSpan(&start.left, &start.right, kHorizontal[edge], moved.x, held.cx, zoomFactor,
             frameWidth);
    sizeSpan(&start.top, &start.bottom, kVertical[edge], moved.y, held.cy, zoomFactor, frameWidth);
    return start;
}
