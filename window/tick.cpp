#include <windows.h>

#include "window/tick.h"

#include "view/geometry.h"
#include "view/render.h"
#include "window/focus.h"
#include "window/hiding.h"
#include "window/state.h"

static BOOL seeThroughDragRunning() {
    return session.dragging && magnifier.settings.seeThroughDrag;
}

// The source round the cursor, or during a see-through drag beneath the window's centre.
static void placeSource(POINT cursor) {
    const Settings& s = magnifier.settings;
    const View& view = magnifier.view;
    POINT windowCentre = {s.windowX + (view.viewWidth >> 1), s.windowY + (view.viewHeight >> 1)};
    centreSource(&magnifier.view, seeThroughDragRunning() ? windowCentre : cursor);
}

// A frame of the source round the cursor, or where the user types when that leads (or beneath
// the window during a see-through drag).
static BOOL renderAt(POINT cursor) {
    if (session.renderBusy)
        return FALSE;
    if (session.frozen) {
        // The held image is shown again, as anything may have covered it meanwhile.
        presentFrame(&magnifier);
        return FALSE;
    }
    session.renderBusy = 1;
    POINT centre = session.typingLeads ? POINT{session.typingX, session.typingY} : cursor;
    // The point's monitor is looked up again only when the point leaves it (a change of the
    // display looks it up anew through updateView).
    if (!PtInRect(&magnifier.view.monitor, centre))
        findMonitor(centre, &magnifier.view.monitor);
    placeSource(centre);
    renderFrame(&magnifier, !seeThroughDragRunning());
    session.lastCursorX = cursor.x;
    session.lastCursorY = cursor.y;
    session.renderBusy = 0;
    return TRUE;
}

BOOL magnifyTick(HWND window) {
    if (session.hiddenInTray) {
        hideOrMinimize(window);
        return FALSE;
    }
    POINT cursor;
    // On the secure desktop (a UAC prompt, the lock screen) the cursor cannot be read: the
    // last frame stays.
    if (!GetCursorPos(&cursor))
        return FALSE;
    BOOL mouseMoved = cursor.x != session.lastCursorX || cursor.y != session.lastCursorY;
    BOOL typingMoved = magnifier.settings.followFocus && typingSpotMoved(mouseMoved);
    if (!mouseMoved && !typingMoved && !session.dragging) {
        if (++session.stillTicks < kStillTickPeriod)
            return FALSE;
        session.stillTicks = 0;
    }
    return renderAt(cursor);
}

void renderNow(HWND) {
    POINT cursor;
    if (!session.hiddenInTray && magnifier.surfaces.windowDC && GetCursorPos(&cursor))
        renderAt(cursor);
}

// Uncovered or invalidated, the window shows the frame it showed, and its black frame: no new
// capture, so that painting stays cheap. A back buffer made since has none yet: one is
// rendered.
void paintLastFrame(HWND window) {
    const Surfaces& s = magnifier.surfaces;
    if (!s.windowDC)
        return;
    if (s.holdsFrame)
        presentFrame(&magnifier);
    else
        renderNow(window);
    const View& view = magnifier.view;
    if (magnifier.settings.frameStyle == 1)
        drawFrame(s.windowDC, view.viewWidth + 2 * view.frameWidth,
                  view.viewHeight + 2 * view.frameWidth);
}
