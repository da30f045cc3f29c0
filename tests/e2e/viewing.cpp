// What the view shows, read back from the screen: the view of the pattern pixel for pixel,
// with its crosshair and frame, and stretched.
#include "tests/e2e/steps.h"

#include <algorithm>

// The crosshair's default pen.
static const COLORREF kPen = RGB(128, 0, 0);

// ---- the view -------------------------------------------------------------------------------

int waitForView(const ExpectedView& view) {
    int mismatches = -1;
    POINT first = {};
    waitUntil([&] { return (mismatches = view.mismatches(Capture(q.window), &first)) == 0; }, 3000);
    if (mismatches)
        printf("  %d pixels differ, the first at (%ld, %ld)\n", mismatches, first.x, first.y);
    return mismatches;
}

// Pen pixels on the inner part of a column and of a row of the window (-1: none).
static int penPixels(const Dib& c, COLORREF pen, int column, int row) {
    int n = 0;
    for (int y = 1; y < c.height - 1 && column >= 0; ++y)
        n += c.at(column, y) == pen;
    for (int x = 1; x < c.width - 1 && row >= 0; ++x)
        n += c.at(x, row) == pen;
    return n;
}

// Inner pixels of a framed square view farther than a pixel from where a stretch of the
// source (srcX, srcY, size x size) puts them: the pattern's colour tells where one came from.
static int stretchErrors(const Dib& c, int srcX, int srcY, int size) {
    int errors = 0;
    double scale = (double)size / (c.width - 2);
    for (int y = 1; y < c.height - 1; ++y) {
        for (int x = 1; x < c.width - 1; ++x) {
            POINT from = patternPointOf(c.at(x, y));
            errors += abs(from.x - srcX - (int)((x - 1) * scale)) > 1 ||
                      abs(from.y - srcY - (int)((y - 1) * scale)) > 1;
        }
    }
    return errors;
}

// Every pixel of the window's top row and left column is black (the right and bottom edges
// are drawn a frame's width outside the window).
static bool blackTopAndLeft(const Capture& c) {
    int other = 0;
    for (int x = 0; x < c.width; ++x)
        other += c.at(x, 0) != 0;
    for (int y = 0; y < c.height; ++y)
        other += c.at(0, y) != 0;
    return other == 0;
}

// Unclamped: the source round the cursor.
Step viewOf(POINT cursor, int looks, int zoom) {
    return Step(__func__, shown(cursor, looks, zoom), [=] {
        RECT r = windowRect(q.window);
        moveCursor(cursor);
        const bool cross = looks & kCrosshair, inverted = looks & kInverted;
        const int frame = looks & kNoFrame ? 0 : 1, w = r.right - r.left, h = r.bottom - r.top;
        const int srcX = cursor.x - (w - 2 * frame) / zoom / 2,
                  srcY = cursor.y - (h - 2 * frame) / zoom / 2, variant = looks & kSecondPattern;
        if (waitForView({frame, zoom, srcX, srcY, inverted, variant ? 1 : 0, cross ? w / 2 : -1,
                         cross ? h / 2 : -1}) != 0)
            return false;
        Capture c(q.window);
        const COLORREF pen = inverted ? invertColor(kPen) : kPen;
        return (!cross || penPixels(c, pen, w / 2, h / 2) == w + h - 4) &&
               (!(looks & kBlackFrame) || blackTopAndLeft(c));
    });
}

Step sourceAt(POINT source, POINT cross) {
    return Step(__func__, shown(source, cross), [=] {
        RECT r = windowRect(q.window);
        return waitForView({1, 2, source.x, source.y, false, 0, cross.x, cross.y}) == 0 &&
               (cross.x < 0 || penPixels(Capture(q.window), kPen, cross.x, cross.y) ==
                                   r.right - r.left + r.bottom - r.top - 4);
    });
}

Step stretched(int size, POINT cursor) {
    return Step(__func__, shown(size, cursor), [=] {
        moveCursor(cursor);
        return waitUntil(
            [=] {
                Capture c(q.window);
                return !stretchErrors(c, cursor.x - size / 2, cursor.y - size / 2, size);
            },
            1500);
    });
}

Step restartedWithPen(COLORREF pen) {
    return Step(__func__, shown(pen), [=] {
        if (waitExit(q) != 0 ||
            !waitUntil([] { return findWindowOf(q = Qilo(), nullptr) != nullptr; }, 10000))
            return false;
        restack().run();  // Wine may leave the new window's X window under the pattern's
        moveCursor({500, 400});
        return waitUntil(
            [=] {
                Capture c(q.window);
                return penPixels(c, pen, c.width / 2, c.height / 2) == c.width + c.height - 4;
            },
            3000);
    });
}
