#include <windows.h>

#include <string.h>

#include "view/readout.h"

// The characters a readout uses. Their glyphs are drawn once, when the surfaces open, into the
// lower half of the label bitmap; a frame copies the ones it needs into the upper half and
// puts that into the back buffer with one BitBlt, which costs far less than drawing text.
static const char kGlyphs[] = "0123456789ABCDEF#,- ";
static const wchar_t kGlyphText[] = L"0123456789ABCDEF#,- ";
static const int kMaxLength = 24;
static const int kPaddingAt96 = 2;  // white round the text, at 96 DPI (100 %)
static const int kBaseDpi = 96;

static HDC labelDC;
static HFONT labelFont;  // null for the stock font used at 96 DPI
static int padding;
static HBITMAP labelBitmap;
static DWORD* labelBits;  // 32-bit, top-down
static int labelStride;
static int cellWidth;  // the fixed-pitch font's character cell
static int cellHeight;
static char composed[kMaxLength];  // the characters the label's cells hold now

// At 96 DPI the stock fixed font; above, a fixed-pitch font as much taller as the DPI is
// higher, so that the label reads the same at any scale.
static void selectLabelFont(int dpi) {
    SelectObject(labelDC, GetStockObject(ANSI_FIXED_FONT));
    padding = MulDiv(kPaddingAt96, dpi, kBaseDpi);
    if (dpi <= kBaseDpi)
        return;
    TEXTMETRICW metrics;
    GetTextMetricsW(labelDC, &metrics);
    labelFont = CreateFontW(MulDiv(metrics.tmHeight, dpi, kBaseDpi), 0, 0, 0, FW_NORMAL, FALSE,
                            FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
    if (labelFont)
        SelectObject(labelDC, labelFont);
}

void openReadout(const MagnifierState* state, int dpi) {
    if (!state->settings.showInfo || labelDC)
        return;
    labelDC = CreateCompatibleDC(state->surfaces.backDC);
    selectLabelFont(dpi);
    TEXTMETRICW metrics;
    GetTextMetricsW(labelDC, &metrics);
    cellWidth = metrics.tmAveCharWidth;
    cellHeight = metrics.tmHeight;
    labelStride = kMaxLength * cellWidth + 2 * padding;
    int height = 2 * (cellHeight + 2 * padding);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = labelStride;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    labelBitmap = CreateDIBSection(labelDC, &info, DIB_RGB_COLORS, (void**)&labelBits, nullptr, 0);
    if (!labelBits) {
        closeReadout();  // no memory for the label: the view goes on without it
        return;
    }
    SelectObject(labelDC, labelBitmap);
    RECT all = {0, 0, labelStride, height};
    FillRect(labelDC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(labelDC, RGB(0, 0, 0));
    SetBkColor(labelDC, RGB(255, 255, 255));
    TextOutW(labelDC, padding, height / 2 + padding, kGlyphText, ARRAYSIZE(kGlyphText) - 1);
    GdiFlush();
    memset(composed, 0, sizeof composed);
}

void closeReadout() {
    if (!labelDC)
        return;
    DeleteDC(labelDC);
    DeleteObject(labelBitmap);
    if (labelFont)
        DeleteObject(labelFont);
    labelFont = nullptr;
    labelDC = nullptr;
    labelBitmap = nullptr;
    labelBits = nullptr;
}

// Where the source pixel offset by d lands in the view: the first view pixel of its stretched
// span (at 1.5x the one nearest the span's middle).
static int viewOffset(int d, int zoomFactor) {
    if (zoomFactor > 0)
        return d * zoomFactor;
    if (zoomFactor == 0)
        return d;
    return (3 * d + 1) / 2;
}

COLORREF readMarkedPixel(const MagnifierState* state) {
    const View& view = state->view;
    int f = view.frameWidth;
    int x = f + viewOffset(view.pointX - view.srcX, view.zoomFactor);
    int y = f + viewOffset(view.pointY - view.srcY, view.zoomFactor);
    return GetPixel(state->surfaces.backDC, x, y);
}

int formatReadout(char* text, int x, int y, COLORREF color) {
    return wsprintfA(text, "%d, %d #%02X%02X%02X", x, y, GetRValue(color), GetGValue(color),
                     GetBValue(color));
}

// Copies the glyph of each character into its cell of the label's upper half; a cell that
// already holds its character is left (from frame to frame, few change).
static void composeLabel(const char* text, int length) {
    const DWORD* glyphs = labelBits + (cellHeight + 2 * padding) * labelStride;
    for (int i = 0; i < length; ++i) {
        if (composed[i] == text[i])
            continue;
        composed[i] = text[i];
        const char* found = strchr(kGlyphs, text[i]);
        int glyph = found ? (int)(found - kGlyphs) : (int)sizeof kGlyphs - 2;  // else a space
        DWORD* to = labelBits + padding * labelStride + padding + i * cellWidth;
        const DWORD* from = glyphs + padding * labelStride + padding + glyph * cellWidth;
        for (int row = 0; row < cellHeight; ++row, to += labelStride, from += labelStride) {
            for (int column = 0; column < cellWidth; ++column)
                to[column] = from[column];
        }
    }
}

// Black on white (white on black when inverted) reads on any background.
void drawReadout(const MagnifierState* state, int crossX, int crossY) {
    if (!labelDC)
        return;
    const View& view = state->view;
    char text[40];
    int length = formatReadout(text, view.pointX, view.pointY, view.pointColor);
    length = length < kMaxLength - 1 ? length : kMaxLength - 1;
    // A space after the text clears what a longer label left in the right padding.
    text[length] = ' ';
    composeLabel(text, length + 1);
    int f = view.frameWidth;
    int width = length * cellWidth + 2 * padding;
    int height = cellHeight + 2 * padding;
    int x = crossX < view.viewWidth / 2 ? view.viewWidth - f - width : f;
    int y = crossY < view.viewHeight / 2 ? view.viewHeight - f - height : f;
    BitBlt(state->surfaces.backDC, x, y, width, height, labelDC, 0, 0, SRCCOPY);
}

HBITMAP copyViewBitmap(const MagnifierState* state) {
    const View& view = state->view;
    HDC windowDC = state->surfaces.windowDC;
    int f = view.frameWidth;
    int width = view.viewWidth - 2 * f;
    int height = view.viewHeight - 2 * f;
    HBITMAP bitmap = CreateCompatibleBitmap(windowDC, width, height);
    HDC dc = CreateCompatibleDC(windowDC);
    HGDIOBJ old = SelectObject(dc, bitmap);
    BitBlt(dc, 0, 0, width, height, state->surfaces.backDC, f, f, (DWORD)state->settings.rop);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

int formatColor(char* text, COLORREF color) {
    return wsprintfA(text, "#%02X%02X%02X", GetRValue(color), GetGValue(color), GetBValue(color));
}
