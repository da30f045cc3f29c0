#include <windows.h>

#include "view/render.h"

#include "app/tray.h"
#include "view/geometry.h"
#include "view/readout.h"

int crosshairShift(int d, int zoomFactor) {
    if (zoomFactor > 0)
        return d * zoomFactor;
    if (zoomFactor == 0)
        return d;        // no zoom entry selected: the view stretches 1:1
    return (3 * d) / 2;  // 1.5x
}

static BOOL seeThroughDragRunning(const MagnifierState* state) {
    return dragging && state->seeThroughDrag;
}

// Pushes the source back onto the monitor under the cursor and moves the crosshair by the
// pushed distance, so that it keeps marking the cursor on the magnified image.
static void clampSource(MagnifierState* state, int* cx, int* cy) {
    const RECT& m = state->monitor;
    int maxX = m.right - state->srcWidth;
    int maxY = m.bottom - state->srcHeight;
    if (state->srcX < m.left) {
        *cx += crosshairShift(state->srcX - m.left, state->zoomFactor);
        state->srcX = m.left;
    }
    if (state->srcX > maxX) {
        *cx += crosshairShift(state->srcX - maxX, state->zoomFactor);
        state->srcX = maxX;
    }
    if (state->srcY < m.top) {
        *cy += crosshairShift(state->srcY - m.top, state->zoomFactor);
        state->srcY = m.top;
    }
    if (state->srcY > maxY) {
        *cy += crosshairShift(state->srcY - maxY, state->zoomFactor);
        state->srcY = maxY;
    }
}

void renderFrame(MagnifierState* state) {
    int f = state->frameWidth;
    int w = state->viewWidth - 2 * f;
    int h = state->viewHeight - 2 * f;
    int cx = state->crossX;
    int cy = state->crossY;
    if (!seeThroughDragRunning(state))
        clampSource(state, &cx, &cy);
    StretchBlt(state->backDC, f, f, w, h, state->sourceDC, state->srcX, state->srcY,
               state->srcWidth, state->srcHeight, SRCCOPY);
    if (state->showInfo || state->copyHotkey)
        state->pointColor = readMarkedPixel(state);
    if (state->isCross) {
        MoveToEx(state->backDC, cx, f, nullptr);
        LineTo(state->backDC, cx, f + h);
        MoveToEx(state->backDC, f, cy, nullptr);
        LineTo(state->backDC, f + w, cy);
    }
    if (state->showInfo)
        drawReadout(state, cx, cy);
    presentFrame(state);
}

void presentFrame(const MagnifierState* state) {
    int f = state->frameWidth;
    BitBlt(state->windowDC, f, f, state->viewWidth - 2 * f, state->viewHeight - 2 * f,
           state->backDC, f, f, state->rop);
}

BOOL magnifyTick(HWND window) {
    if (hiddenInTray) {
        hideOrMinimize(window, timerId);
        return FALSE;
    }
    POINT cursor;
    // On the secure desktop (a UAC prompt, the lock screen) the cursor cannot be read: the
    // last frame stays.
    if (!GetCursorPos(&cursor))
        return FALSE;
    if (cursor.x == lastCursorX && cursor.y == lastCursorY && !dragging) {
        if (++stillTicks < kStillTickPeriod)
            return FALSE;
        stillTicks = 0;
    }
    if (renderBusy)
        return FALSE;
    MagnifierState* state = &magnifier;
    if (frozen) {
        // The held image is shown again, as anything may have covered it meanwhile.
        presentFrame(state);
        return FALSE;
    }
    renderBusy = 1;
    // The cursor's monitor is looked up again only when the cursor leaves it (a change of the
    // display looks it up anew through computeGeometry).
    if (!PtInRect(&state->monitor, cursor))
        findMonitor(cursor, &state->monitor);
    if (seeThroughDragRunning(state)) {
        // Magnify the snapshot beneath the window's centre instead of the window itself.
        state->srcX = state->windowX + (state->viewWidth >> 1) - state->srcHalfWidth;
        state->srcY = state->windowY + (state->viewHeight >> 1) - state->srcHalfHeight;
        state->pointX = state->srcX + state->srcHalfWidth;
        state->pointY = state->srcY + state->srcHalfHeight;
    } else {
        state->srcX = cursor.x - state->srcHalfWidth;
        state->srcY = cursor.y - state->srcHalfHeight;
        state->pointX = cursor.x;
        state->pointY = cursor.y;
    }
    renderFrame(state);
    lastCursorX = cursor.x;
    lastCursorY = cursor.y;
    renderBusy = 0;
    return TRUE;
}
