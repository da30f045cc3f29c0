// The pointer's image in the view: its mask and colour, enlarged, at its hot spot.
#include <windows.h>

#include "tests/unit/support.h"
#include "view/pointer.h"

TEST_CASE("the pointer is drawn enlarged with its hot spot on the cursor's pixel, its mask kept") {
    // 32 x 32, hot spot (3, 2): a black pixel there, one inverting the screen two to the right,
    // the rest transparent (AND 1, XOR 0).
    BYTE andPlane[128], xorPlane[128] = {};
    memset(andPlane, 0xFF, sizeof andPlane);
    andPlane[2 * 4] &= ~(0x80 >> 3);
    xorPlane[2 * 4] |= 0x80 >> 5;
    HCURSOR cursor = CreateCursor(GetModuleHandleW(nullptr), 3, 2, 32, 32, andPlane, xorPlane);
    const struct { int zoom, factor; } rows[] = {{kZoom2, 2}, {kZoom4, 4}};
    for (const auto& r : rows) {
        MemoryFrame frame;
        magnifier.settings.zoomCommand = r.zoom;
        updateView();
        View& v = magnifier.view;
        centreSource(&v, {500, 300});
        preparePointer(&magnifier.surfaces.pointer, cursor);
        FrameParts parts = framePartsNow(FALSE);
        parts.pointer = TRUE;
        parts.cursor = {500, 300};
        renderFrame(&magnifier, parts);
        const POINT spot = viewSpanStartOf(v, 500, 300);
        int wrong = 0;
        for (int y = 1; y < 129; ++y) {
            for (int x = 1; x < 193; ++x) {
                POINT source = {v.srcX + (x - 1) / r.factor, v.srcY + (y - 1) / r.factor};
                COLORREF screen = patternColor(source.x, source.y);
                bool onPixel = y >= spot.y && y < spot.y + r.factor;
                bool black = onPixel && x >= spot.x && x < spot.x + r.factor;
                int inverted = spot.x + 2 * r.factor;
                bool inverting = onPixel && x >= inverted && x < inverted + r.factor;
                COLORREF expected = black ? 0 : inverting ? invertColor(screen) : screen;
                wrong += frame.window.at(x, y) != expected;
            }
        }
        CAPTURE(r.factor);
        CHECK(wrong == 0);
        freePointer(&magnifier.surfaces.pointer);
    }
    DestroyCursor(cursor);
}
