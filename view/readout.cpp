#include <windows.h>

#include <math.h>
#include <string.h>

#include "view/readout.h"

#include "common/shared.h"
#include "view/geometry.h"

#include "view/color.h"
#include "view/filter.h"

// The label's glyphs are those of the printable ASCII characters, drawn once, when the
// surfaces open, into the label bitmap's last row; a frame copies the ones it needs into the
// text rows above and puts those into the back buffer with one BitBlt, which costs far less
// than drawing text.
static const char kFirstGlyph = ' ', kLastGlyph = '~';
static const int kGlyphCount = kLastGlyph - kFirstGlyph + 1;
static const int kMaxLength = kLabelCells;
static const int kPaddingAt96 = 2;  // white round the text, at 96 DPI (100 %)
static const int kBaseDpi = 96;
static const int kCellHeightAt96 = 12;  // a text row, leading included

// Made for the DPI of the window's monitor: a stock font is made at the system's DPI, which
// is the primary monitor's at sign-in, not the window's.
static void selectLabelFont(ReadoutLabel& l, int dpi) {
    l.padding = MulDiv(kPaddingAt96, dpi, kBaseDpi);
    l.font = createReadoutFont(dpi);
    SelectObject(l.dc, l.font ? l.font : GetStockObject(ANSI_FIXED_FONT));
}

void openReadout(MagnifierState* state, int dpi) {
    ReadoutLabel& l = state->surfaces.label;
    if (l.dc)
        return;
    l.dc = CreateCompatibleDC(state->surfaces.backDC);
    selectLabelFont(l, dpi);
    TEXTMETRICW metrics;
    GetTextMetricsW(l.dc, &metrics);
    l.cellWidth = metrics.tmAveCharWidth;
    l.cellHeight = metrics.tmHeight;
    l.stride = kGlyphCount * l.cellWidth + 2 * l.padding;
    int glyphTop = kReadoutLines * l.cellHeight + 2 * l.padding;
    int height = glyphTop + l.cellHeight + 2 * l.padding;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = l.stride;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    l.bitmap = CreateDIBSection(l.dc, &info, DIB_RGB_COLORS, (void**)&l.bits, nullptr, 0);
    if (!l.bits) {
        closeReadout(state);  // no memory for the label: the view goes on without it
        return;
    }
    SelectObject(l.dc, l.bitmap);
    RECT all = {0, 0, l.stride, height};
    FillRect(l.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(l.dc, RGB(0, 0, 0));
    SetBkColor(l.dc, RGB(255, 255, 255));
    wchar_t glyphText[kGlyphCount];
    for (int i = 0; i < kGlyphCount; ++i)
        glyphText[i] = (wchar_t)(kFirstGlyph + i);
    // Fixed advances: hinted widths drift by a pixel at some scales, and each glyph must lie
    // in its own cell.
    int advances[kGlyphCount];
    for (int& advance : advances)
        advance = l.cellWidth;
    ExtTextOutW(l.dc, l.padding, glyphTop + l.padding, 0, nullptr, glyphText, kGlyphCount,
                advances);
    GdiFlush();
    memset(l.composed, 0, sizeof l.composed);
}

HFONT createReadoutFont(int dpi) {
    return CreateFontW(MulDiv(kCellHeightAt96, dpi, kBaseDpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       NONANTIALIASED_QUALITY, FIXED_PITCH | FF_MODERN, L"Courier New");
}

void closeReadout(MagnifierState* state) {
    ReadoutLabel& l = state->surfaces.label;
    if (!l.dc)
        return;
    DeleteDC(l.dc);
    DeleteObject(l.bitmap);
    if (l.font)
        DeleteObject(l.font);
    l.font = nullptr;
    l.dc = nullptr;
    l.bitmap = nullptr;
    l.bits = nullptr;
}

// A screen pixel of the source as the frame read it: in the source's buffer, 1:1 (a point
// outside the source reads its nearest edge pixel), or on the first view pixel of its span,
// which the stretch gives its own colour.
static COLORREF sourcePixel(const MagnifierState* state, BOOL buffered, int x, int y) {
    const View& view = state->view;
    if (buffered) {
        int column = clampInt(x - view.srcX, 0, view.srcWidth - 1);
        int row = clampInt(y - view.srcY, 0, view.srcHeight - 1);
        DWORD p = state->surfaces.smoothBits[row * view.viewWidth + column];
        return RGB(p >> 16, p >> 8, p);
    }
    POINT at = viewSpanStartOf(view, x, y);
    return GetPixel(state->surfaces.backDC, at.x, at.y);
}

// The mean of the AVERAGE square round the point, over those of its pixels the view shows.
COLORREF readMarkedPixel(const MagnifierState* state, BOOL buffered) {
    const View& view = state->view;
    int radius = state->settings.averageSize / 2;
    if (radius == 0)
        return sourcePixel(state, buffered, view.pointX, view.pointY);
    int r = 0, g = 0, b = 0, count = 0;
    for (int y = view.pointY - radius; y <= view.pointY + radius; ++y) {
        for (int x = view.pointX - radius; x <= view.pointX + radius; ++x) {
            if (x < view.srcX || y < view.srcY || x >= view.srcX + view.srcWidth ||
                y >= view.srcY + view.srcHeight)
                continue;
            COLORREF c = sourcePixel(state, buffered, x, y);
            r += GetRValue(c), g += GetGValue(c), b += GetBValue(c), ++count;
        }
    }
    if (count == 0)
        return 0;
    return RGB((r + count / 2) / count, (g + count / 2) / count, (b + count / 2) / count);
}

static int hundredths(double value) {
    return (int)floor(100.0 * value + 0.5);
}

// "+dx, -dy 12.37px 8.25dip 4.53:1": the offset from the anchor, the distance, in the
// monitor's logical pixels too where its scale is not 100 % (on a row of its own when the line
// would pass the label's width), and the contrast. Returns the rows written.
static int formatMeasure(char lines[][kReadoutLineLength], const MagnifierState* state) {
    const View& view = state->view;
    const Loupe& loupe = state->loupe;
    int dx = view.pointX - loupe.anchorX, dy = view.pointY - loupe.anchorY;
    double exact = sqrt((double)dx * dx + (double)dy * dy);
    int distance = hundredths(exact);
    int contrast = contrastRatio100(loupe.anchorColor, view.pointColor);
    char logical[16] = "", ratio[16];
    int dpi = view.monitorDpi;
    if (dpi > 0 && dpi != kBaseDpi) {
        int scaled = hundredths(exact * kBaseDpi / dpi);
        wsprintfA(logical, "%d.%02ddip", scaled / 100, scaled % 100);
    }
    wsprintfA(ratio, "%d.%02d:1", contrast / 100, contrast % 100);
    wsprintfA(lines[0], "%s%d, %s%d %d.%02dpx", dx >= 0 ? "+" : "", dx, dy >= 0 ? "+" : "", dy,
              distance / 100, distance % 100);
    int length = lstrlenA(lines[0]) + lstrlenA(ratio) + 1;
    if (!logical[0] || length + lstrlenA(logical) + 1 > kMaxLength - 1) {
        wsprintfA(lines[0] + lstrlenA(lines[0]), " %s", ratio);
        if (!logical[0])
            return 1;
        lstrcpyA(lines[1], logical);
        return 2;
    }
    wsprintfA(lines[0] + lstrlenA(lines[0]), " %s %s", logical, ratio);
    return 1;
}

// A word of the tags' line, after a space when there are words before it.
static void addTag(char* tags, const char* tag) {
    if (tags[0])
        lstrcatA(tags, " ");
    lstrcatA(tags, tag);
}

int readoutText(const MagnifierState* state, char lines[kReadoutLines][kReadoutLineLength]) {
    const View& view = state->view;
    const Settings& s = state->settings;
    // "~": on an HDR or wide-colour monitor the screen reads as tone-mapped sRGB, so the colour
    // is near the one shown, not exact.
    char color[kColorTextSize + 1] = "~";
    formatColor(color + (view.monitorAdvancedColor ? 1 : 0), view.pointColor, s.colorFormat);
    wsprintfA(lines[0], "%d, %d %s", view.pointX, view.pointY, color);
    int count = 1;
    // A colour that would pass the label's width takes a row of its own.
    if (lstrlenA(lines[0]) > kMaxLength - 1) {
        wsprintfA(lines[0], "%d, %d", view.pointX, view.pointY);
        lstrcpyA(lines[count++], color);
    }
    int side = 2 * (s.averageSize / 2) + 1;
    char* tags = lines[count];
    tags[0] = 0;
    if (state->loupe.picking)
        addTag(tags, "PICK");
    if (side > 1) {
        char average[16];
        wsprintfA(average, "avg %dx%d", side, side);
        addTag(tags, average);
    }
    if (filterTag(s.filter))
        addTag(tags, filterTag(s.filter));
    count += tags[0] != 0;
    if (state->loupe.anchored)
        count += formatMeasure(lines + count, state);
    return count;
}

// Copies the glyph of each character into its cell of a text row; a cell that already holds
// its character is left (from frame to frame, few change).
static void composeRow(ReadoutLabel& l, int row, const char* text, int length) {
    const DWORD* glyphs = l.bits + (kReadoutLines * l.cellHeight + 2 * l.padding) * l.stride;
    char* held = l.composed[row];
    for (int i = 0; i < length; ++i) {
        if (held[i] == text[i])
            continue;
        held[i] = text[i];
        int glyph = text[i] >= kFirstGlyph && text[i] <= kLastGlyph ? text[i] - kFirstGlyph : 0;
        DWORD* to =
            l.bits + (l.padding + row * l.cellHeight) * l.stride + l.padding + i * l.cellWidth;
        const DWORD* from = glyphs + l.padding * l.stride + l.padding + glyph * l.cellWidth;
        for (int y = 0; y < l.cellHeight; ++y, to += l.stride, from += l.stride) {
            for (int x = 0; x < l.cellWidth; ++x)
                to[x] = from[x];
        }
    }
}

// Black on white (white on black when inverted) reads on any background.
void drawReadout(MagnifierState* state, int crossX, int crossY) {
    ReadoutLabel& l = state->surfaces.label;
    if (!l.dc)
        return;
    const View& view = state->view;
    char lines[kReadoutLines][kReadoutLineLength];
    int count = readoutText(state, lines);
    int longest = 0;
    for (int i = 0; i < count; ++i)
        longest = lstrlenA(lines[i]) > longest ? lstrlenA(lines[i]) : longest;
    longest = longest < kMaxLength - 1 ? longest : kMaxLength - 1;
    // Spaces after each row's text clear what a longer label left, in the row and in the
    // right l.padding.
    for (int i = 0; i < count; ++i) {
        char row[kMaxLength];
        int length = lstrlenA(lines[i]);
        for (int c = 0; c <= longest; ++c)
            row[c] = c < length ? lines[i][c] : ' ';
        composeRow(l, i, row, longest + 1);
    }
    int f = view.frameWidth;
    int width = longest * l.cellWidth + 2 * l.padding;
    int height = count * l.cellHeight + 2 * l.padding;
    // Top left, unless the source was pushed onto the monitor and the crosshair with it.
    int x = crossX < view.crossX ? view.viewWidth - f - width : f;
    int y = crossY < view.crossY ? view.viewHeight - f - height : f;
    BitBlt(state->surfaces.backDC, x, y, width, height, l.dc, 0, 0, SRCCOPY);
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
