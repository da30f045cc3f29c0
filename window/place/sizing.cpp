#include <windows.h>

#include <windowsx.h>

#include "window/place/sizing.h"

#include "view/geometry.h"
#include "window/platform.h"
#include "window/state.h"

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
