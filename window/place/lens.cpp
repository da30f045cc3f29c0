#include <windows.h>

#include "window/place/lens.h"

#include "common/shared.h"
#include "window/frame/tick.h"
#include "window/keys/hotkeys.h"
#include "window/place/drag.h"
#include "window/place/placement.h"
#include "window/platform.h"
#include "window/state.h"

// One axis, low to high: after the source (right or below) where the window fits between it and
// the area's end, else before it, else against the area's end, or from its start when the window
// is larger than the area.
static int spanBeside(int low, int high, int size, int areaLow, int areaHigh, int gap) {
    int roomAfter = high > areaLow ? high : areaLow;
    if (roomAfter + size <= areaHigh)
        return clampInt(high + gap, roomAfter, areaHigh - size);
    int roomBefore = low < areaHigh ? low : areaHigh;
    if (roomBefore - size >= areaLow)
        return clampInt(low - gap - size, areaLow, roomBefore - size);
    return areaHigh - size > areaLow ? areaHigh - size : areaLow;
}

RECT lensRect(RECT source, SIZE window, RECT workArea, int gap) {
    int x = spanBeside(source.left, source.right, window.cx, workArea.left, workArea.right, gap);
    int y = spanBeside(source.top, source.bottom, window.cy, workArea.top, workArea.bottom, gap);
    return {x, y, x + window.cx, y + window.cy};
}

// What the lens was last placed for, and the work area and gap of the monitor it was placed
// on, looked up again only when the source is on another monitor.
static struct {
    RECT source;  // empty: place anew
    SIZE size;    // the settings' window size
    RECT monitor;
    RECT workArea;
    int gap;
} placed;

void forgetLensPlace() {
    placed = {};
}

// The source's monitor is the point's the view follows (view.monitor).
static void lookUpWorkArea(HWND window) {
    const View& view = magnifier.view;
    if (EqualRect(&placed.monitor, &view.monitor))
        return;
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromPoint({view.pointX, view.pointY}, MONITOR_DEFAULTTONEAREST),
                         &info))
        info.rcWork = view.monitor;
    placed.monitor = view.monitor;
    placed.workArea = info.rcWork;
    placed.gap = MulDiv(kLensGapAt96, windowDpi(window), 96);
}

void carryLens(HWND window) {
    const View& view = magnifier.view;
    Settings& s = magnifier.settings;
    RECT source = {view.srcX, view.srcY, view.srcX + view.srcWidth, view.srcY + view.srcHeight};
    // Only beside a frame shown (none yet after a start or a hide).
    if (!session.lensOn || !magnifier.surfaces.holdsFrame || IsIconic(window) ||
        (EqualRect(&source, &placed.source) && placed.size.cx == s.windowWidth &&
         placed.size.cy == s.windowHeight))
        return;
    lookUpWorkArea(window);
    placed.source = source;
    placed.size = {s.windowWidth, s.windowHeight};
    RECT now;
    GetWindowRect(window, &now);
    RECT lens =
        lensRect(source, {now.right - now.left, now.bottom - now.top}, placed.workArea, placed.gap);
    if (lens.left == now.left && lens.top == now.top)
        return;
    SetWindowPos(window, nullptr, lens.left, lens.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    s.windowX = lens.left;
    s.windowY = lens.top;
    // The frame was read while the window was still where it was, perhaps over the source.
    renderAtNextTick();
}

// Layered, the window can let the mouse through to the windows beneath (WS_EX_TRANSPARENT);
// not layered, it is opaque to the mouse again and drawn anew.
static void letMouseThrough(HWND window, BOOL through) {
    const LONG styles = WS_EX_LAYERED | WS_EX_TRANSPARENT;
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    SetWindowLongW(window, GWL_EXSTYLE, through ? exStyle | styles : exStyle & ~styles);
    // A layered window shows nothing until it is given its opacity: wholly opaque.
    if (through)
        SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

// A drag under way ends: the lens alone moves the window from now on.
static void becomeLens(HWND window) {
    onDragRelease(window);
    RECT home = normalWindowRect(window);
    Settings& s = magnifier.settings;
    s.windowX = session.lensHomeX = home.left;
    s.windowY = session.lensHomeY = home.top;
    session.lensOn = 1;
    letMouseThrough(window, TRUE);
    forgetLensPlace();
    renderNow(window);
    carryLens(window);
}

static void stopBeingLens(HWND window) {
    session.lensOn = 0;
    letMouseThrough(window, FALSE);
    Settings& s = magnifier.settings;
    s.windowX = session.lensHomeX;
    s.windowY = session.lensHomeY;
    moveWindowTo(window, {s.windowX, s.windowY});
}

// Clicks pass through the lens: only the notification icon's menus or the lens's key reach it.
static BOOL lensWithinReach() {
    return session.trayIconAdded || hotkeyRegistered(kLens);
}

void followLensSetting(HWND window) {
    BOOL on = magnifier.settings.lens && lensWithinReach();
    if (on && !session.lensOn)
        becomeLens(window);
    else if (!on && session.lensOn)
        stopBeingLens(window);
}

POINT windowHome(HWND window) {
    if (session.lensOn)
        return {session.lensHomeX, session.lensHomeY};
    RECT rect = normalWindowRect(window);
    return {rect.left, rect.top};
}
