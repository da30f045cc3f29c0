#include <windows.h>

#include "view/grid.h"

#include "view/geometry.h"

// Below this zoom a source pixel is too small for a grid to help.
static const int kMinGridZoom = 6;

// Black and white in turn along every line, as on a chessboard, which shows on any background.
static const DWORD kBlack = 0, kWhite = 0x00FFFFFF;

static DWORD checker(int x, int y) {
    return ((x + y) & 1) ? kWhite : kBlack;
}

// Unrolled, as the grid writes a sixth of the view's pixels and more: two rows a step down a
// column, four pixels a step along a row.
static void drawColumn(DWORD* bits, int stride, int x, int top, int bottom) {
    DWORD first = checker(x, top), second = first ^ kWhite;
    DWORD* p = bits + top * stride + x;
    for (int pairs = (bottom - top) / 2; pairs > 0; --pairs, p += 2 * stride) {
        p[0] = first;
        p[stride] = second;
    }
    if ((bottom - top) & 1)
        p[0] = first;
}

static void drawRow(DWORD* bits, int stride, int y, int left, int right) {
    DWORD first = checker(left, y), second = first ^ kWhite;
    DWORD* p = bits + y * stride + left;
    int n = right - left;
    for (; n >= 4; n -= 4, p += 4) {
        p[0] = first;
        p[1] = second;
        p[2] = first;
        p[3] = second;
    }
    for (int i = 0; i < n; ++i)
        p[i] = i & 1 ? second : first;
}

static void fillRow(DWORD* bits, int stride, int y, int left, int right, DWORD color) {
    for (DWORD* p = bits + y * stride + left; p < bits + y * stride + right; ++p)
        *p = color;
}

static void fillColumn(DWORD* bits, int stride, int x, int top, int bottom, DWORD color) {
    for (DWORD* p = bits + top * stride + x; p < bits + bottom * stride + x; p += stride)
        *p = color;
}

// The outline of a rectangle, right and bottom included.
static void frameRect(DWORD* bits, int stride, const RECT& r, DWORD color) {
    fillRow(bits, stride, r.top, r.left, r.right + 1, color);
    fillRow(bits, stride, r.bottom, r.left, r.right + 1, color);
    fillColumn(bits, stride, r.left, r.top, r.bottom + 1, color);
    fillColumn(bits, stride, r.right, r.top, r.bottom + 1, color);
}

// The marked pixel's square, on the lines round it, framed black outside and white inside.
static void outlineCell(const View& view, DWORD* bits, int w, int h) {
    int f = view.frameWidth, column = view.pointX - view.srcX, row = view.pointY - view.srcY;
    RECT cell = {f + viewSpanStart(column, w, view.srcWidth),
                 f + viewSpanStart(row, h, view.srcHeight),
                 f + viewSpanStart(column + 1, w, view.srcWidth),
                 f + viewSpanStart(row + 1, h, view.srcHeight)};
    RECT inner = {f, f, f + w - 1, f + h - 1};
    if (!IntersectRect(&cell, &cell, &inner) || cell.right - cell.left < 2 ||
        cell.bottom - cell.top < 2)
        return;
    frameRect(bits, view.viewWidth, cell, kBlack);
    InflateRect(&cell, -1, -1);
    frameRect(bits, view.viewWidth, cell, kWhite);
}

// The back buffer's pixels, once GDI has finished writing them; null below the grid's zoom.
static DWORD* gridPixels(const MagnifierState* state) {
    if (state->view.zoomFactor < kMinGridZoom || !state->surfaces.backBits)
        return nullptr;
    GdiFlush();
    return state->surfaces.backBits;
}

void drawGrid(const MagnifierState* state) {
    const View& view = state->view;
    DWORD* bits = gridPixels(state);
    if (!bits)
        return;
    int f = view.frameWidth, stride = view.viewWidth;
    int w = view.viewWidth - 2 * f, h = view.viewHeight - 2 * f;
    for (int k = 1; k < view.srcWidth; ++k)
        drawColumn(bits, stride, f + viewSpanStart(k, w, view.srcWidth), f, f + h);
    for (int k = 1; k < view.srcHeight; ++k)
        drawRow(bits, stride, f + viewSpanStart(k, h, view.srcHeight), f, f + w);
}

void outlineMarkedPixel(const MagnifierState* state) {
    const View& view = state->view;
    DWORD* bits = gridPixels(state);
    int f = view.frameWidth;
    if (bits)
        outlineCell(view, bits, view.viewWidth - 2 * f, view.viewHeight - 2 * f);
}
