#include <windows.h>

#include "window/placement.h"

#include "common/shared.h"
#include "view/geometry.h"
#include "window/surfaces.h"
#include "window/timer.h"

void keepWindowOnAMonitor(Settings* s) {
    RECT rect = {s->windowX, s->windowY, s->windowX + s->windowWidth, s->windowY + s->windowHeight};
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return;
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return;
    // A window larger than the work area keeps its left or top edge on it.
    const RECT& work = info.rcWork;
    int maxX = work.right - s->windowWidth > work.left ? work.right - s->windowWidth : work.left;
    int maxY = work.bottom - s->windowHeight > work.top ? work.bottom - s->windowHeight : work.top;
    s->windowX = clampInt(s->windowX, work.left, maxX);
    s->windowY = clampInt(s->windowY, work.top, maxY);
}

void applyWindowRect(HWND window) {
    Settings& s = magnifier.settings;
    View& view = magnifier.view;
    RECT rect;
    GetWindowRect(window, &rect);
    s.windowX = rect.left;
    s.windowY = rect.top;
    view.viewWidth = rect.right - rect.left;
    view.viewHeight = rect.bottom - rect.top;
    closeSurfaces(window, &magnifier);
    openSurfaces(window, &magnifier);
    int margin = 2 * view.frameWidth;
    MoveWindow(window, s.windowX, s.windowY, view.viewWidth + margin, view.viewHeight + margin,
               TRUE);
    refreshWindow(window, FALSE);
}

void applySizingBorder(HWND window) {
    LONG style = GetWindowLongW(window, GWL_STYLE);
    if (style == 0)
        return;
    if (magnifier.settings.sizeFixed)
        style &= ~WS_THICKFRAME;
    else
        style |= WS_THICKFRAME;
    SetWindowLongW(window, GWL_STYLE, style);
}

void placeInZOrder(HWND window, HWND insertAfter) {
    const Settings& s = magnifier.settings;
    SetWindowPos(window, insertAfter, s.windowX, s.windowY, s.windowWidth, s.windowHeight, 0);
}

void snapWindowSize(WINDOWPOS* pos) {
    const Settings& s = magnifier.settings;
    const View& view = magnifier.view;
    pos->cx = snapSize(pos->cx, s.windowWidth, view.zoomFactor, view.frameWidth);
    pos->cy = snapSize(pos->cy, s.windowHeight, view.zoomFactor, view.frameWidth);
}

void updateView() {
    computeGeometry(magnifier.settings, &magnifier.view);
    POINT cursor;
    if (GetCursorPos(&cursor))
        findMonitor(cursor, &magnifier.view.monitor);
}
