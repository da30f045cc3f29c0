// What the view shows, read back from the screen: the view of the pattern pixel for pixel,
// stretched, blended, filtered, with the pointer drawn into it, and where the lens stands.
#include "tests/e2e/steps.h"

#include <algorithm>

// The crosshair's default pen.
static const COLORREF kPen = RGB(128, 0, 0);

// ---- the view -------------------------------------------------------------------------------

// Waits until the window shows the view; the last count of differing pixels.
static int waitForView(const ExpectedView& view) {
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

static bool nearColor(COLORREF a, COLORREF b) {
    return abs(GetRValue(a) - GetRValue(b)) <= 1 && abs(GetGValue(a) - GetGValue(b)) <= 1 &&
           abs(GetBValue(a) - GetBValue(b)) <= 1;
}

Step viewColorIs(POINT cursor, COLORREF color) {
    return Step(__func__, shown(cursor, (int)color), 2000, [=] {
        moveCursor(cursor);
        Capture c(q.window);
        return nearColor(c.at(c.width / 2, c.height / 2), color);
    });
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

// Along one axis, a window [low, high) apart from a source: at most 16 pixels from it, or on
// the work area's edge on the source's side. False where they overlap on the axis.
static bool besideOnAxis(LONG low,
                         LONG high,
                         LONG sourceLow,
                         LONG sourceHigh,
                         LONG areaLow,
                         LONG areaHigh) {
    if (sourceLow >= high)
        return sourceLow - high <= 16 || high == areaHigh;
    return low >= sourceHigh && (low - sourceHigh <= 16 || low == areaLow);
}

static bool overlapOnAxis(LONG low, LONG high, LONG sourceLow, LONG sourceHigh) {
    return low < sourceHigh && sourceLow < high;
}

// The lens beside the source round the cursor, on the cursor's monitor, then the view exact.
static bool lensBeside(POINT cursor) {
    MONITORINFO m = {sizeof m};
    GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &m);
    RECT r = {}, source = {};
    const auto placed = [&] {
        r = windowRect(q.window);
        const SIZE size = {(r.right - r.left - 2) / 2, (r.bottom - r.top - 2) / 2};
        const LONG x = std::max(m.rcMonitor.left,
                                std::min(cursor.x - size.cx / 2, m.rcMonitor.right - size.cx));
        const LONG y = std::max(m.rcMonitor.top,
                                std::min(cursor.y - size.cy / 2, m.rcMonitor.bottom - size.cy));
        source = {x, y, x + size.cx, y + size.cy};
        const RECT& w = m.rcWork;
        const bool overlapX = overlapOnAxis(r.left, r.right, source.left, source.right),
                   overlapY = overlapOnAxis(r.top, r.bottom, source.top, source.bottom);
        RECT inWork;
        IntersectRect(&inWork, &r, &w);
        return EqualRect(&inWork, &r) && !(overlapX && overlapY) &&
               (overlapX ||
                besideOnAxis(r.left, r.right, source.left, source.right, w.left, w.right)) &&
               (overlapY ||
                besideOnAxis(r.top, r.bottom, source.top, source.bottom, w.top, w.bottom));
    };
    if (!waitUntil(placed, 3000)) {
        printf("  the lens at (%ld, %ld)-(%ld, %ld), the source (%ld, %ld)-(%ld, %ld)\n", r.left,
               r.top, r.right, r.bottom, source.left, source.top, source.right, source.bottom);
        return false;
    }
    return waitForView({1, 2, source.left, source.top, false, 0, -1, -1}) == 0;
}

Step besideSource(POINT cursor) {
    return Step(__func__, shown(cursor), [=] { return moveCursor(cursor) && lensBeside(cursor); });
}

Step besideSourceHere(POINT cursor) {
    return Step(__func__, shown(cursor), [=] { return lensBeside(cursor); });
}

// Inner pixels of a framed view of the source from (srcX, srcY), size x size or larger, whose
// colour no source pixel has (the pattern's colour tells where one came from).
static int foreignPixels(const Dib& c, POINT source, SIZE size) {
    int foreign = 0;
    for (int y = 1; y < c.height - 1; ++y) {
        for (int x = 1; x < c.width - 1; ++x) {
            POINT from = patternPointOf(c.at(x, y));
            foreign += from.x < source.x || from.y < source.y || from.x >= source.x + size.cx ||
                       from.y >= source.y + size.cy;
        }
    }
    return foreign;
}

Step blendedAcross(POINT cursor, int zoom) {
    return Step(__func__, shown(cursor, zoom), [=] {
        RECT r = windowRect(q.window);
        SIZE source = {(r.right - r.left - 2) / zoom, (r.bottom - r.top - 2) / zoom};
        POINT corner = {cursor.x - source.cx / 2, cursor.y - source.cy / 2};
        moveCursor(cursor);
        // Each row crosses the edge once: a row's blend at least.
        return waitUntil([=] { return foreignPixels(Capture(q.window), corner, source) >= 64; },
                         2000);
    });
}

// The black and white pixels of a capture's inner area (the pattern near the middle of the
// screen has neither): their count and the rectangle round them.
static int blackAndWhite(const Dib& c, RECT* around) {
    int count = 0;
    *around = {c.width, c.height, 0, 0};
    for (int y = 1; y < c.height - 1; ++y) {
        for (int x = 1; x < c.width - 1; ++x) {
            COLORREF p = c.at(x, y);
            if (p != RGB(0, 0, 0) && p != RGB(255, 255, 255))
                continue;
            ++count;
            *around = {std::min(around->left, (LONG)x), std::min(around->top, (LONG)y),
                       std::max(around->right, (LONG)x + 1), std::max(around->bottom, (LONG)y + 1)};
        }
    }
    return count;
}

Step arrowDrawnAt(POINT cursor) {
    return Step(__func__, shown(cursor), [=] {
        ICONINFO arrow;
        BITMAP mask = {};
        if (!GetIconInfo(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)), &arrow))  // IDC_ARROW
            return false;
        GetObjectW(arrow.hbmMask, sizeof mask, &mask);
        DeleteObject(arrow.hbmMask);
        DeleteObject(arrow.hbmColor);
        RECT r = windowRect(q.window);
        // The cursor's pixel begins at its offset from the source's corner, twice over.
        const int w = r.right - r.left, h = r.bottom - r.top;
        const POINT spot = {1 + 2 * ((w - 2) / 2 / 2), 1 + 2 * ((h - 2) / 2 / 2)};
        const RECT image = {spot.x - 2 * (LONG)arrow.xHotspot, spot.y - 2 * (LONG)arrow.yHotspot,
                            spot.x - 2 * (LONG)arrow.xHotspot + 2 * mask.bmWidth,
                            spot.y - 2 * (LONG)arrow.yHotspot + 2 * mask.bmWidth};
        moveCursor(cursor);
        RECT drawn;
        bool ok = waitUntil(
            [&] {
                // Enlarged: a few dozen pixels; all inside the image, one at the hot spot.
                Capture c(q.window);
                return blackAndWhite(c, &drawn) > 40 && drawn.left >= image.left &&
                       drawn.top >= image.top && drawn.right <= image.right &&
                       drawn.bottom <= image.bottom && abs(drawn.left - spot.x) <= 2 &&
                       abs(drawn.top - spot.y) <= 2;
            },
            2000);
        if (!ok)
            printf(
                "  black and white pixels in (%ld, %ld)-(%ld, %ld), the hot spot at (%ld, %ld)\n",
                drawn.left, drawn.top, drawn.right, drawn.bottom, spot.x, spot.y);
        return ok;
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
