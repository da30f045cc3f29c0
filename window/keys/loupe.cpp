#include <windows.h>

#include "window/keys/loupe.h"

#include "common/shared.h"
#include "window/keys/hotkeys.h"
#include "window/state.h"

// A key another program holds is left to it.
static void startPickMode(HWND window) {
    registerHotkeys(window, kInPickMode);
    magnifier.loupe.picking = 1;
}

void endPickMode(HWND window) {
    if (!magnifier.loupe.picking)
        return;
    releaseHotkeys(window, kInPickMode);
    magnifier.loupe.picking = 0;
}

void togglePickMode(HWND window) {
    if (magnifier.loupe.picking)
        endPickMode(window);
    else
        startPickMode(window);
}

// The cursor stops at the edges of the monitor it is on, unless the step lands on another
// monitor: a step into the virtual screen's box where no monitor is stops at the edge. Where
// the cursor cannot be placed, the readout stays on where it is.
void stepCursor(int dx, int dy) {
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return;
    POINT to = {cursor.x + dx, cursor.y + dy};
    if (!MonitorFromPoint(to, MONITOR_DEFAULTTONULL)) {
        MONITORINFO info;
        info.cbSize = sizeof info;
        if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &info))
            return;
        const RECT& m = info.rcMonitor;
        to = {clampInt(to.x, m.left, m.right - 1), clampInt(to.y, m.top, m.bottom - 1)};
    }
    SetCursorPos(to.x, to.y);
}

void toggleAnchor() {
    Loupe& loupe = magnifier.loupe;
    const View& view = magnifier.view;
    if (loupe.anchored && loupe.anchorX == view.pointX && loupe.anchorY == view.pointY) {
        loupe.anchored = 0;
    } else {
        loupe.anchored = 1;
        loupe.anchorX = view.pointX;
        loupe.anchorY = view.pointY;
        loupe.anchorColor = view.pointColor;
    }
}

void toggleFreeze() {
    session.frozen = !session.frozen;
}

void endFreeze() {
    session.frozen = 0;
}
