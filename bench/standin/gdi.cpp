// The stand-in's calls: StretchBlt (nearest pixel), BitBlt (SRCCOPY and NOTSRCCOPY) and
// MoveToEx/LineTo (one-pixel pen) on 32-bit memory surfaces, each counted. Enough for the view
// code's frame; little clipping, no other raster operations.
#include "bench/standin/gdi.h"

#include <cstdlib>
#include <cstring>

StandInCalls standInCalls;
int standInScreenWidth = 1920;
int standInScreenHeight = 1080;
POINT standInCursor = {960, 540};

void makeSurface(StandInSurface* surface, int width, int height) {
    surface->width = width;
    surface->height = height;
    surface->pixels.assign((size_t)width * (size_t)height, 0);
}

int GetSystemMetrics(int index) {
    ++standInCalls.getSystemMetrics;
    return index == SM_CXSCREEN ? standInScreenWidth : standInScreenHeight;
}

DWORD CheckMenuItem(HMENU, UINT, UINT) {
    ++standInCalls.checkMenuItem;
    return 0;
}

BOOL GetCursorPos(POINT* point) {
    ++standInCalls.getCursorPos;
    *point = standInCursor;
    return TRUE;
}

static bool inside(const StandInSurface* s, int x, int y) {
    return x >= 0 && y >= 0 && x < s->width && y < s->height;
}

BOOL StretchBlt(HDC dest,
                int x,
                int y,
                int w,
                int h,
                HDC src,
                int sx,
                int sy,
                int sw,
                int sh,
                DWORD) {
    ++standInCalls.stretchBlt;
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return FALSE;
    // Whole rows only, as the view's source and back buffer always give.
    if (x < 0 || x + w > dest->width || sx < 0 || sx + sw > src->width)
        return FALSE;
    for (int dy = 0; dy < h; ++dy) {
        int ty = y + dy;
        int fy = sy + (int)(((long long)dy * sh) / h);
        if (ty < 0 || ty >= dest->height || fy < 0 || fy >= src->height)
            continue;
        uint32_t* out = &dest->pixels[(size_t)ty * (size_t)dest->width + (size_t)x];
        const uint32_t* in = &src->pixels[(size_t)fy * (size_t)src->width + (size_t)sx];
        // Source column floor(dx * sw / w), stepped without a division per pixel.
        int fx = 0, rest = 0;
        for (int dx = 0; dx < w; ++dx) {
            out[dx] = in[fx];
            rest += sw;
            while (rest >= w) {
                rest -= w;
                ++fx;
            }
        }
    }
    return TRUE;
}

BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop) {
    ++standInCalls.bitBlt;
    for (int row = 0; row < h; ++row) {
        if (!inside(dest, x, y + row) || !inside(src, sx, sy + row) ||
            !inside(dest, x + w - 1, y + row) || !inside(src, sx + w - 1, sy + row))
            continue;
        uint32_t* out = &dest->pixels[(size_t)(y + row) * (size_t)dest->width + (size_t)x];
        const uint32_t* in = &src->pixels[(size_t)(sy + row) * (size_t)src->width + (size_t)sx];
        if (rop == NOTSRCCOPY) {
            for (int i = 0; i < w; ++i)
                out[i] = ~in[i] & 0x00FFFFFFu;
        } else {
            std::memcpy(out, in, (size_t)w * sizeof(uint32_t));
        }
    }
    return TRUE;
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* old) {
    ++standInCalls.moveToEx;
    if (old) {
        old->x = dc->penX;
        old->y = dc->penY;
    }
    dc->penX = x;
    dc->penY = y;
    return TRUE;
}

// A line from the pen's position to (x, y), leaving out the end point, as GDI draws it.
BOOL LineTo(HDC dc, int x, int y) {
    ++standInCalls.lineTo;
    int x0 = dc->penX, y0 = dc->penY;
    int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    int stepX = x0 < x ? 1 : -1, stepY = y0 < y ? 1 : -1;
    int error = dx + dy;
    while (x0 != x || y0 != y) {
        if (inside(dc, x0, y0))
            dc->pixels[(size_t)y0 * (size_t)dc->width + (size_t)x0] = dc->penColor;
        int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (e2 <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
    dc->penX = x;
    dc->penY = y;
    return TRUE;
}
