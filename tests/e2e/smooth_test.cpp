// Smooth scaling, from the file and from the menu.
#include "tests/e2e/steps.h"

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

// With SMOOTH on at an integer zoom, round the cursor put there: the view blends, across the
// pattern's sharp edges, into colours no pixel of the source has.
static Step blendedAcross(POINT cursor, int zoom) {
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

// Round (256, 300) the pattern's red falls from 255 to 0: blended with SMOOTH on, exact blocks
// after the menu turns it off, and the choice saved.
E2E_CASE(smooth) {
    run({showPattern(), start("X=300 Y=250 SMOOTH=1 ZOOM=40004"), blendedAcross({256, 300}, 4),
         chooseFromMenu(MainMenu::SmoothScaling), viewOf({256, 300}, kPlainView, 4),
         chooseFromMenu(MainMenu::SmoothScaling), blendedAcross({256, 301}, 4), closeWindow(),
         saved("SMOOTH=1"), start("X=300 Y=250 SMOOTH=1"), chooseFromMenu(MainMenu::SmoothScaling),
         closeWindow(), saved("SMOOTH=0")});
}
