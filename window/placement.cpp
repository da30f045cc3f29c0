#include <windows.h>

#include <windowsx.h>

#include "window/placement.h"

#include "common/shared.h"
#include "view/geometry.h"
#include "window/platform.h"
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
    RECT rect = normalWindowRect(window);
    s.windowX = rect.left;
    s.windowY = rect.top;
    view.viewWidth = rect.right - rect.left;
    view.viewHeight = rect.bottom - rect.top;
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

// Where a band of the window's edge is: -1 at the low edge, 1 at the high one, else 0.
static int edgeBand(int p, int low, int high, int band) {
    return p < low + band ? -1 : (p >= high - band ? 1 : 0);
}

LRESULT sizingHitTest(RECT window, POINT point, int dpi) {
    static const LRESULT kCodes[3][3] = {{HTTOPLEFT, HTTOP, HTTOPRIGHT},
                                         {HTLEFT, HTCLIENT, HTRIGHT},
                                         {HTBOTTOMLEFT, HTBOTTOM, HTBOTTOMRIGHT}};
    int edge = MulDiv(kSizingEdgeAt96, dpi, 96), corner = MulDiv(kSizingCornerAt96, dpi, 96);
    int h = edgeBand(point.x, window.left, window.right, edge);
    int v = edgeBand(point.y, window.top, window.bottom, edge);
    // Near a corner, along either edge, both ways at once.
    if (h && !v)
        v = edgeBand(point.y, window.top, window.bottom, corner);
    else if (v && !h)
        h = edgeBand(point.x, window.left, window.right, corner);
    return kCodes[v + 1][h + 1];
}

BOOL answerSizingHitTest(HWND window, POINT point) {
    if (magnifier.settings.sizeFixed)
        return FALSE;
    RECT rect;
    GetWindowRect(window, &rect);
    SetWindowLongPtrW(window, DWLP_MSGRESULT, sizingHitTest(rect, point, windowDpi(window)));
    return TRUE;
}

void placeInZOrder(HWND window, HWND insertAfter) {
    const Settings& s = magnifier.settings;
    SetWindowPos(window, insertAfter, s.windowX, s.windowY, s.windowWidth, s.windowHeight,
                 SWP_NOACTIVATE);
}

// Inside the system's sizing loop, whose WM_SIZING has snapped the size already: snapped
// again, a framed size would shrink by a step. The window's rectangle and the mouse when the
// loop began.
static BOOL userSizing;
static RECT sizingStart;
static POINT sizingGrab;

// The point of the message being handled: the press that began the loop here, the mouse move
// that sized it in WM_SIZING. The loop itself sizes from these two, not from the cursor now.
static POINT messagePoint() {
    DWORD point = GetMessagePos();
    return {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
}

void startUserSizing(HWND window) {
    userSizing = GetWindowRect(window, &sizingStart);
    sizingGrab = messagePoint();
}

void endUserSizing() {
    userSizing = FALSE;
}

// Worked out from the start and the mouse, not from the rectangle the loop proposes: Wine's
// loop adds each mouse step to the rectangle snapped before, which would lose the part of every
// step that the snap cut off.
void snapUserSizing(int edge, RECT* rect) {
    if (!userSizing)
        return;
    POINT cursor = messagePoint();
    const Settings& s = magnifier.settings;
    const View& view = magnifier.view;
    POINT moved = {cursor.x - sizingGrab.x, cursor.y - sizingGrab.y};
    *rect = sizedRect(sizingStart, edge, moved, {s.windowWidth, s.windowHeight}, view.zoomFactor,
                      view.frameWidth);
}

void snapWindowSize(WINDOWPOS* pos) {
    // A minimised or maximised window has the system's size, not the user's.
    if (userSizing || (GetWindowLongW(pos->hwnd, GWL_STYLE) & (WS_MINIMIZE | WS_MAXIMIZE)))
        return;
    const Settings& s = magnifier.settings;
    const View& view = magnifier.view;
    pos->cx = snapSize(pos->cx, s.windowWidth, view.zoomFactor, view.frameWidth);
    pos->cy = snapSize(pos->cy, s.windowHeight, view.zoomFactor, view.frameWidth);
}

RECT normalWindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    WINDOWPLACEMENT placement;
    placement.length = sizeof placement;
    if ((!IsIconic(window) && !IsZoomed(window)) || !GetWindowPlacement(window, &placement))
        return rect;
    rect = placement.rcNormalPosition;
    // A window with a taskbar button has its normal rectangle in workspace coordinates, from
    // the corner of its monitor's work area.
    if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        MONITORINFO info;
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info))
            OffsetRect(&rect, info.rcWork.left - info.rcMonitor.left,
                       info.rcWork.top - info.rcMonitor.top);
    }
    return rect;
}

void updateView() {
    computeGeometry(magnifier.settings, &magnifier.view);
    POINT cursor;
    if (GetCursorPos(&cursor))
        findMonitor(cursor, &magnifier.view.monitor);
}
