#include <windows.h>

#include "window/frame/tick.h"

#include "view/render.h"
#include "window/frame/surfaces.h"
#include "window/frame/view.h"
#include "window/keys/focus.h"
#include "window/state.h"

static BOOL seeThroughDragRunning() {
    return session.dragging && magnifier.settings.seeThroughDrag;
}

// The point the view follows, or during a see-through drag the window's centre in the snapshot.
static POINT sourceCentreFor(POINT followed) {
    if (!seeThroughDragRunning())
        return followed;
    const Settings& s = magnifier.settings;
    const View& view = magnifier.view;
    return {s.windowX + (view.viewWidth >> 1), s.windowY + (view.viewHeight >> 1)};
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
    POINT followed = session.typingLeads ? POINT{session.typingX, session.typingY} : cursor;
    aimView(followed, sourceCentreFor(followed));
    FrameParts parts = framePartsNow(!seeThroughDragRunning());
    parts.pointer = magnifier.settings.pointer && pointerToDraw(&parts.cursor);
    renderFrame(&magnifier, parts);
    session.lastCursorX = cursor.x;
    session.lastCursorY = cursor.y;
    session.renderBusy = 0;
    return TRUE;
}

void forgetLastCursor() {
    session.lastCursorX = 0;
    session.lastCursorY = 0;
    session.stillTicks = 0;
}

void renderAtNextTick() {
    session.stillTicks = kStillTickPeriod - 1;
}

BOOL magnifyTick(HWND) {
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
