// The test pattern, the image a magnifier must make of it, and a bitmap to read pixels from:
// shared by the unit and the end-to-end tests.
#pragma once

#include <windows.h>

// Colour of pattern pixel (x, y): unique for every pixel of a screen up to 4096 x 4096, and
// variant 1 differs from variant 0 at every pixel.
inline COLORREF patternColor(int x, int y, int variant = 0) {
    int r = x & 0xFF, g = y & 0xFF, b = ((x >> 8) & 0x0F) | (((y >> 8) & 0x0F) << 4);
    return variant ? RGB(255 - r, 255 - g, 255 - b) : RGB(r, g, b);
}

// The pattern pixel a colour comes from.
inline POINT patternPointOf(COLORREF c) {
    return {GetRValue(c) | (GetBValue(c) & 0x0F) << 8, GetGValue(c) | (GetBValue(c) >> 4) << 8};
}

inline COLORREF invertColor(COLORREF c) {
    return c ^ 0xFFFFFF;
}

// A 32-bit top-down DIB section in a memory DC: GDI draws into it, the tests read it.
struct Dib {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    DWORD* bits;  // 0x00RRGGBB
    int width, height;

    Dib(int w, int h) : width(w), height(h) {
        BITMAPINFO info = {{sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB}};
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, (void**)&bits, nullptr, 0);
        SelectObject(dc, bitmap);
    }
    Dib(const Dib&) = delete;
    ~Dib() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    COLORREF at(int x, int y) const {
        GdiFlush();
        DWORD p = bits[y * width + x];
        return RGB(p >> 16, p >> 8, p);
    }
    // With a pattern variant, the pattern of the screen area whose corner is (left, top).
    void fill(COLORREF c, int patternVariant = -1, int left = 0, int top = 0) {
        GdiFlush();
        for (int i = 0; i < width * height; ++i) {
            COLORREF p = patternVariant < 0
                             ? c
                             : patternColor(left + i % width, top + i / width, patternVariant);
            bits[i] = (GetRValue(p) << 16) | (GetGValue(p) << 8) | GetBValue(p);
        }
    }
};

// What a view must show: the pattern from (srcX, srcY) magnified `zoom` times (an integer)
// inside a margin of `frame` pixels, but for a crosshair column and row (-1: none).
struct ExpectedView {
    int frame, zoom, srcX, srcY;
    bool inverted;
    int variant, crossX, crossY;

    COLORREF at(int x, int y) const {
        COLORREF c = patternColor(srcX + (x - frame) / zoom, srcY + (y - frame) / zoom, variant);
        return inverted ? invertColor(c) : c;
    }
    // The inner pixels of the image that differ; the first one in *first.
    int mismatches(const Dib& image, POINT* first) const {
        int count = 0;
        for (int y = frame; y < image.height - frame; ++y) {
            for (int x = frame; x < image.width - frame; ++x) {
                if (x != crossX && y != crossY && image.at(x, y) != at(x, y) && !count++)
                    *first = {x, y};
            }
        }
        return count;
    }
};
