// The pixel grid and the marked pixel's outline.
#include <windows.h>

#include <algorithm>

#include "tests/unit/support.h"

TEST_CASE("the grid lines every source pixel from 6x up in black and white, none below") {
    for (int zoom : {kZoom5, kZoom6, kZoom8, kZoom16}) {
        FlatFrame frame(zoom, "", 1);
        int factor = magnifier.view.zoomFactor, f = magnifier.view.frameWidth;
        auto isLine = [](COLORREF c) { return c == 0 || c == 0xFFFFFF; };
        // Along a row through the first source row, and down a column through the last source
        // column, both away from the cursor: the lines where they belong, nothing else.
        int lines = 0, wrong = 0, down = 0, firstRow = 0;
        for (int x = f; x < 194 - f; ++x) {
            COLORREF c = frame.window.at(x, f + 2);
            bool onLine = factor >= 6 && x > f && (x - f) % factor == 0;
            lines += onLine;
            wrong += onLine ? !isLine(c) : c != RGB(90, 120, 150);
        }
        for (int y = f; y < 130 - f; ++y) {
            COLORREF c = frame.window.at(194 - f - 3, y);
            firstRow = firstRow || !isLine(c) ? firstRow : y;
            down += isLine(c);
            wrong += !isLine(c) && c != RGB(90, 120, 150);
        }
        CHECK_MESSAGE(wrong == 0, factor);
        CHECK(lines == (factor >= 6 ? 192 / factor - 1 : 0));
        CHECK(down == (factor >= 6 ? magnifier.view.srcHeight - 1 : 0));
        // Down a line and along one, from edge to edge, black and white take turns; nothing
        // is written below or right of the view (the back buffer's frame stays as it was).
        if (factor >= 6) {
            int turns = 0;
            const Dib& w = frame.window;
            for (int x = f + 1; x < 194 - f; ++x)
                turns += isLine(w.at(x, firstRow)) && w.at(x, firstRow) != w.at(x - 1, firstRow);
            for (int y = f + 1; y < 130 - f; ++y)
                turns +=
                    isLine(w.at(f + factor, y)) && w.at(f + factor, y) != w.at(f + factor, y - 1);
            DWORD* row = frame.back.bits + 129 * 194;  // sentinels beneath and right of the view
            std::fill(row, row + 194, 0x123456u);
            for (int y = 0; y < 129; ++y)
                frame.back.bits[y * 194 + 193] = 0x123456u;
            renderFrame(&magnifier, framePartsNow(TRUE));
            long outside = 194 - std::count(row, row + 194, 0x123456u);
            for (int y = 0; y < 129; ++y)
                outside += frame.back.bits[y * 194 + 193] != 0x123456u;
            CHECK_MESSAGE((turns == 194 + 130 - 4 * f - 2 && outside == 0), factor);
        }
    }
    // An odd inner height without a frame: the vertical lines still reach the last row.
    FlatFrame odd(kZoom8, "", 1, 1, kMiddle, 129, 0);
    int firstLine = 1;
    while (firstLine < 194 && odd.window.at(firstLine, 0) == RGB(90, 120, 150))
        ++firstLine;
    CHECK(odd.window.at(firstLine, 128) != RGB(90, 120, 150));
    // A width not a multiple of four: the row's last two pixels are black and white.
    int lineRow = 1;
    while (lineRow < 129 && odd.window.at(firstLine + 1, lineRow) == RGB(90, 120, 150))
        ++lineRow;
    CHECK((odd.window.at(192, lineRow) ^ odd.window.at(193, lineRow)) == 0xFFFFFF);
}

TEST_CASE("the pixel under the cursor is framed black outside, white inside, within the view") {
    for (CursorPlace place : {kMiddle, kLeftEdge, kRightEdge, kTopEdge, kBottomEdge}) {
        FlatFrame frame(kZoom8, "", 1, 1, place);
        const View& v = magnifier.view;
        // The square from its line to the next one, cut at the view's edges, and the row
        // beneath it: the outer ring black, the one inside it white, the rest the source's.
        int left = 1 + 8 * (v.pointX - v.srcX), top = 1 + 8 * (v.pointY - v.srcY);
        int right = std::min(left + 8, 192), bottom = std::min(top + 8, 128), wrong = 0;
        for (int y = top; y <= std::min(bottom + 1, 128); ++y) {
            for (int x = y > bottom ? left + 1 : left; x <= (y > bottom ? right - 1 : right); ++x) {
                int ring = std::min(std::min(x - left, y - top), std::min(right - x, bottom - y));
                COLORREF expected = ring == 0 ? 0 : ring == 1 ? 0xFFFFFF : RGB(90, 120, 150);
                wrong += frame.window.at(x, y) != expected;
            }
        }
        CHECK_MESSAGE(wrong == 0, place);
    }
}

TEST_CASE("while smoothing, neither the grid nor the marked pixel's outline is drawn") {
    FlatFrame frame(kZoom8, "", 1, 1, kMiddle, 130, 1, 1);
    int marked = 0;  // along the row through the marked pixel, away from the readout's corner
    for (int x = 1; x < 193; ++x)
        marked += frame.window.at(x, magnifier.view.crossY) != RGB(90, 120, 150);
    CHECK(marked == 0);
}
