#include <windows.h>

#include "window/loupe.h"

#include "common/shared.h"

#include "window/copy.h"
#include "window/hotkeys.h"
#include "window/state.h"

static const int kShiftStep = 10;

// The keys pick mode takes, in hot-key id order from kFirstPickKeyId: the arrows repeat while
// held; Enter and Esc act once.
static const struct {
    UINT modifiers;
    UINT key;
    int dx;
    int dy;
} kPickKeys[] = {
    {0, VK_LEFT, -1, 0},
    {0, VK_RIGHT, 1, 0},
    {0, VK_UP, 0, -1},
    {0, VK_DOWN, 0, 1},
    {MOD_SHIFT, VK_LEFT, -kShiftStep, 0},
    {MOD_SHIFT, VK_RIGHT, kShiftStep, 0},
    {MOD_SHIFT, VK_UP, 0, -kShiftStep},
    {MOD_SHIFT, VK_DOWN, 0, kShiftStep},
    {MOD_NOREPEAT, VK_RETURN, 0, 0},
    {MOD_NOREPEAT, VK_ESCAPE, 0, 0},
};
static const int kEnterKey = 8, kEscapeKey = 9;

// A key another program holds is left to it.
static void startPickMode(HWND window) {
    for (int i = 0; i < (int)ARRAYSIZE(kPickKeys); ++i)
        RegisterHotKey(window, kFirstPickKeyId + i, kPickKeys[i].modifiers, kPickKeys[i].key);
    magnifier.loupe.picking = 1;
}

void endPickMode(HWND window) {
    if (!magnifier.loupe.picking)
        return;
    for (int i = 0; i < (int)ARRAYSIZE(kPickKeys); ++i)
        UnregisterHotKey(window, kFirstPickKeyId + i);
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
static void nudgeCursor(int dx, int dy) {
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

void onPickKey(HWND window, int id) {
    int key = id - kFirstPickKeyId;
    if (!magnifier.loupe.picking || key < 0 || key >= (int)ARRAYSIZE(kPickKeys))
        return;
    if (key == kEnterKey || key == kEscapeKey) {
        if (key == kEnterKey)
            copyReadout(window);
        endPickMode(window);
        return;
    }
    nudgeCursor(kPickKeys[key].dx, kPickKeys[key].dy);
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
