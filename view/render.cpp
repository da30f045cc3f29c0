#include <windows.h>

#include "view/render.h"

#include "view/geometry.h"
#include "view/grid.h"
#include "view/readout.h"

void renderFrame(MagnifierState* state, const FrameParts& parts) {
    View* view = &state->view;
    HDC back = state->surfaces.backDC;
    int f = view->frameWidth;
    int w = view->viewWidth - 2 * f;
    int h = view->viewHeight - 2 * f;
    if (parts.keepOnMonitor)
        keepSourceOnMonitor(view);
    // Pushed onto the monitor, the source no longer centres on the point: the crosshair moves.
    POINT cross = viewSpanStartOf(*view, view->pointX, view->pointY);
    int cx = cross.x, cy = cross.y;
    StretchBlt(back, f, f, w, h, state->surfaces.sourceDC, view->srcX, view->srcY, view->srcWidth,
               view->srcHeight, SRCCOPY);
    if (parts.readPoint)
        view->pointColor = readMarkedPixel(state);
    if (parts.grid)
        drawGrid(state);
    if (parts.outline)
        outlineMarkedPixel(state);
    if (parts.crosshair) {
        MoveToEx(back, cx, f, nullptr);
        LineTo(back, cx, f + h);
        MoveToEx(back, f, cy, nullptr);
        LineTo(back, f + w, cy);
    }
    if (parts.readout)
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
