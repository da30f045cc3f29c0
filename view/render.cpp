#include <windows.h>

#include "view/render.h"

#include "common/hotkeys.h"
#include "view/grid.h"
#include "view/readout.h"

int crosshairShift(int d, int zoomFactor) {
    if (zoomFactor > 0)
        return d * zoomFactor;
    if (zoomFactor == 0)
        return d;        // no zoom entry selected: the view stretches 1:1
    return (3 * d) / 2;  // 1.5x
}

// Pushes the source back onto the monitor under the cursor and moves the crosshair by the
// pushed distance, so that it keeps marking the cursor on the magnified image.
static void clampSource(View* view, int* cx, int* cy) {
    const RECT& m = view->monitor;
    int maxX = m.right - view->srcWidth;
    int maxY = m.bottom - view->srcHeight;
    if (view->srcX < m.left) {
        *cx += crosshairShift(view->srcX - m.left, view->zoomFactor);
        view->srcX = m.left;
    }
    if (view->srcX > maxX) {
        *cx += crosshairShift(view->srcX - maxX, view->zoomFactor);
        view->srcX = maxX;
    }
    if (view->srcY < m.top) {
        *cy += crosshairShift(view->srcY - m.top, view->zoomFactor);
        view->srcY = m.top;
    }
    if (view->srcY > maxY) {
        *cy += crosshairShift(view->srcY - maxY, view->zoomFactor);
        view->srcY = maxY;
    }
}

// The colour is read for the readout, and for the keys that copy or measure it.
static BOOL colorUsed(const Settings& s) {
    return s.showInfo ||
           anyHotkeySet(s, actionBit(kCopy) | actionBit(kPickMode) | actionBit(kAnchor));
}

void renderFrame(MagnifierState* state, BOOL keepOnMonitor) {
    const Settings& s = state->settings;
    View* view = &state->view;
    HDC back = state->surfaces.backDC;
    int f = view->frameWidth;
    int w = view->viewWidth - 2 * f;
    int h = view->viewHeight - 2 * f;
    int cx = view->crossX;
    int cy = view->crossY;
    if (keepOnMonitor)
        clampSource(view, &cx, &cy);
    StretchBlt(back, f, f, w, h, state->surfaces.sourceDC, view->srcX, view->srcY, view->srcWidth,
               view->srcHeight, SRCCOPY);
    if (colorUsed(s))
        view->pointColor = readMarkedPixel(state);
    if (s.grid)
        drawGrid(state);
    if (s.isCross) {
        MoveToEx(back, cx, f, nullptr);
        LineTo(back, cx, f + h);
        MoveToEx(back, f, cy, nullptr);
        LineTo(back, f + w, cy);
    }
    if (readoutShown(state))
        drawReadout(state, cx, cy);
    presentFrame(state);
}

void presentFrame(const MagnifierState* state) {
    const View& view = state->view;
    int f = view.frameWidth;
    BitBlt(state->surfaces.windowDC, f, f, view.viewWidth - 2 * f, view.viewHeight - 2 * f,
           state->surfaces.backDC, f, f, (DWORD)state->settings.rop);
}

// Each LineTo leaves out its end point.
void drawFrame(HDC dc, int right, int bottom) {
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, right, 0);
    LineTo(dc, right, bottom);
    LineTo(dc, 0, bottom);
    LineTo(dc, 0, 0);
}
