#include <windows.h>

#include "view/render.h"

#include "view/readout.h"

// Below this zoom a source pixel is too small for a grid to help.
static const int kMinGridZoom = 6;

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

// The first view pixel of source column (or row) k of the source's n, stretched over size.
static int gridLine(int k, int size, int n) {
    return (k * size + n - 1) / n;
}

// From 6x up, a line of alternating black and white pixels (which shows on any background)
// along the first view pixels of every source pixel but the first, and the marked pixel's
// square framed black outside, white inside.
static void drawGrid(const MagnifierState* state, int w, int h) {
    const View& view = state->view;
    HDC back = state->surfaces.backDC;
    int f = view.frameWidth;
    if (view.zoomFactor < kMinGridZoom || !state->surfaces.gridBrush)
        return;
    HGDIOBJ old = SelectObject(back, state->surfaces.gridBrush);
    for (int k = 1; k < view.srcWidth; ++k)
        PatBlt(back, f + gridLine(k, w, view.srcWidth), f, 1, h, PATCOPY);
    for (int k = 1; k < view.srcHeight; ++k)
        PatBlt(back, f, f + gridLine(k, h, view.srcHeight), w, 1, PATCOPY);
    SelectObject(back, old);
    int column = view.pointX - view.srcX, row = view.pointY - view.srcY;
    RECT cell = {f + gridLine(column, w, view.srcWidth), f + gridLine(row, h, view.srcHeight),
                 f + gridLine(column + 1, w, view.srcWidth) + 1,
                 f + gridLine(row + 1, h, view.srcHeight) + 1};
    FrameRect(back, &cell, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&cell, -1, -1);
    FrameRect(back, &cell, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// Black and white pixels in turn: the DC's text and background colours, which stay black and
// white in the back buffer.
HBRUSH createGridBrush() {
    static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, kChecker);
    HBRUSH brush = CreatePatternBrush(pattern);
    DeleteObject(pattern);
    return brush;
}

// The colour is read for the readout, and for the keys that copy or measure it.
static BOOL colorUsed(const Settings& s) {
    return s.showInfo || s.copyHotkey || s.pickHotkey || s.anchorHotkey;
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
        drawGrid(state, w, h);
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
