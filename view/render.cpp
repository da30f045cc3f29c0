#include <windows.h>

#include "view/render.h"

#include "common/hotkeys.h"
#include "view/geometry.h"
#include "view/grid.h"
#include "view/readout.h"

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
    if (keepOnMonitor)
        keepSourceOnMonitor(view);
    // Pushed onto the monitor, the source no longer centres on the point: the crosshair moves.
    POINT cross = viewSpanStartOf(*view, view->pointX, view->pointY);
    int cx = cross.x, cy = cross.y;
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
    state->surfaces.holdsFrame = 1;
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
