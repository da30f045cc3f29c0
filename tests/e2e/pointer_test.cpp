// The mouse pointer in the view.
#include "tests/e2e/steps.h"

#include <algorithm>

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

// With POINTER on at 2x, the cursor put there: the system's arrow, enlarged, with its hot spot
// on the cursor's pixel (the program cannot draw the driver's own pointer under Wine).
static Step arrowDrawnAt(POINT cursor) {
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

// Wine reports the pointer of the thread in front. The magnifier in front, the cursor over its
// window once gives it its own; another program in front, that program's, which the magnifier
// cannot draw: the arrow stands in. Without POINTER, the exact view.
E2E_CASE(pointer) {
    run({showPattern(), start("X=20 Y=20 POINTER=1"), moveTo({60, 60}), waitMs(200),
         arrowDrawnAt({500, 400}), userTypesElsewhere(), moveTo({400, 300}), waitMs(200),
         arrowDrawnAt({620, 330}), closeWindow(), start("X=20 Y=20"), viewOf({500, 400}),
         closeWindow()});
}
