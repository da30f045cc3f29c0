#include <windows.h>

#include "view/render.h"

#include "view/filter.h"
#include "view/geometry.h"
#include "view/grid.h"
#include "view/pointer.h"
#include "view/readout.h"
#include "view/smooth.h"

// The source read 1:1 into its buffer.
static PixelBlock readSourceIntoBuffer(const MagnifierState* state) {
    const View& view = state->view;
    const Surfaces& s = state->surfaces;
    BitBlt(s.smoothDC, 0, 0, view.srcWidth, view.srcHeight, s.sourceDC, view.srcX, view.srcY,
           SRCCOPY);
    GdiFlush();  // the blit is done before its pixels are read
    return {s.smoothBits, view.viewWidth, view.srcWidth, view.srcHeight};
}

// The back buffer's inner area, inside the frame.
static PixelBlock viewPixels(const MagnifierState* state, int f, int w, int h) {
    const int stride = state->view.viewWidth;
    return {state->surfaces.backBits + f * stride + f, stride, w, h};
}

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
    // Smoothed or filtered, the source is read 1:1 first: the filter then works on the source's
    // pixels, fewer than the view's, before they are enlarged.
    const Surfaces& s = state->surfaces;
    BOOL buffered = (parts.smooth || filterTag(parts.filter)) && s.smoothBits;
    PixelBlock source = {};
    if (buffered)
        source = readSourceIntoBuffer(state);
    else
        StretchBlt(back, f, f, w, h, s.sourceDC, view->srcX, view->srcY, view->srcWidth,
                   view->srcHeight, SRCCOPY);
    // Read before the filter: the readout and the copy give the screen's own colours.
    if (parts.readPoint)
        view->pointColor = readMarkedPixel(state, buffered);
    if (buffered) {
        filterPixels(parts.filter, source);
        if (parts.smooth)
            smoothStretch(source, viewPixels(state, f, w, h),
                          s.smoothBits + view->viewHeight * view->viewWidth);
        else
            StretchBlt(back, f, f, w, h, s.smoothDC, 0, 0, view->srcWidth, view->srcHeight,
                       SRCCOPY);
    }
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
    if (parts.pointer)
        drawPointer(state, parts.cursor);
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
