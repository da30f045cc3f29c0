#include <windows.h>

#include "window/place/placement.h"

#include "common/shared.h"
#include "window/frame/surfaces.h"
#include "window/frame/timer.h"
#include "window/frame/view.h"
#include "window/state.h"

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
    const View& view = magnifier.view;
    RECT rect = normalWindowRect(window);
    s.windowX = rect.left;
    s.windowY = rect.top;
    resizeView(rect.right - rect.left, rect.bottom - rect.top);
    closeSurfaces(window, &magnifier);
    openSurfaces(window, &magnifier);
    // A minimised or maximised window takes its rectangle when it is restored.
    if (!IsIconic(window) && !IsZoomed(window)) {
        int margin = 2 * view.frameWidth;
        MoveWindow(window, s.windowX, s.windowY, view.viewWidth + margin, view.viewHeight + margin,
                   TRUE);
    }
    redrawFrame(window);
}

void placeInZOrder(HWND window, HWND insertAfter) {
    const Settings& s = magnifier.settings;
    SetWindowPos(window, insertAfter, s.windowX, s.windowY, s.windowWidth, s.windowHeight,
                 SWP_NOACTIVATE);
}

// A window with a taskbar button has its normal rectangle in workspace coordinates, from the
// corner of its monitor's work area: how far that corner is from the screen's coordinates.
static POINT workspaceOffset(HWND window) {
    MONITORINFO info;
    info.cbSize = sizeof info;
    if ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
        return {0, 0};
    return {info.rcWork.left - info.rcMonitor.left, info.rcWork.top - info.rcMonitor.top};
}

static BOOL restored(HWND window) {
    return !IsIconic(window) && !IsZoomed(window);
}

RECT normalWindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    WINDOWPLACEMENT placement;
    placement.length = sizeof placement;
    if (restored(window) || !GetWindowPlacement(window, &placement))
        return rect;
    rect = placement.rcNormalPosition;
    POINT offset = workspaceOffset(window);
    OffsetRect(&rect, offset.x, offset.y);
    return rect;
}

// A minimised window keeps its state, shown or hidden, and takes the place when restored.
void moveWindowTo(HWND window, POINT topLeft) {
    WINDOWPLACEMENT placement;
    placement.length = sizeof placement;
    if (restored(window) || !GetWindowPlacement(window, &placement)) {
        SetWindowPos(window, nullptr, topLeft.x, topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    POINT offset = workspaceOffset(window);
    RECT& normal = placement.rcNormalPosition;
    OffsetRect(&normal, topLeft.x - offset.x - normal.left, topLeft.y - offset.y - normal.top);
    if (!IsWindowVisible(window))
        placement.showCmd = SW_HIDE;
    else if (IsIconic(window))
        placement.showCmd = SW_SHOWMINNOACTIVE;
    SetWindowPlacement(window, &placement);
}
