#include <windows.h>

#include "window/frame/view.h"

#include "common/hotkeys.h"
#include "view/geometry.h"
#include "window/platform.h"
#include "window/state.h"

// The monitor under the point, its scale (for the measure's logical pixels) and whether it shows
// advanced colour (for the readout's mark): looked up when the point leaves the monitor or the
// display or the window's scale changes, never for a frame.
static void lookUpMonitor(POINT point) {
    findMonitor(point, &magnifier.view.monitor);
    magnifier.view.monitorDpi = monitorDpiAt(point);
    magnifier.view.monitorAdvancedColor = monitorHasAdvancedColor(point);
}

// The monitor under the cursor: looked up when the cursor has left the one known, or anew.
static void findCursorsMonitor(BOOL anew) {
    POINT cursor;
    if (GetCursorPos(&cursor) && (anew || !PtInRect(&magnifier.view.monitor, cursor)))
        lookUpMonitor(cursor);
}

void updateView() {
    deriveView(magnifier.settings, &magnifier.view);
    findCursorsMonitor(FALSE);
}

void updateViewForDisplay() {
    deriveView(magnifier.settings, &magnifier.view);
    findCursorsMonitor(TRUE);
}

void resizeView(int width, int height) {
    magnifier.view.viewWidth = width;
    magnifier.view.viewHeight = height;
    updateView();
}

void aimView(POINT followed, POINT sourceCentre) {
    View& view = magnifier.view;
    if (!PtInRect(&view.monitor, followed))
        lookUpMonitor(followed);
    centreSource(&view, sourceCentre);
}

FrameParts framePartsNow(BOOL keepOnMonitor) {
    const Settings& s = magnifier.settings;
    const Loupe& loupe = magnifier.loupe;
    BOOL readout = s.showInfo || loupe.picking || loupe.anchored;
    BOOL readPoint =
        s.showInfo || anyHotkeySet(s, actionBit(kCopy) | actionBit(kPickMode) | actionBit(kAnchor));
    // Smoothing blends the pixels the grid and the outline would mark.
    BOOL grid = s.grid && !s.smooth;
    return {keepOnMonitor, readPoint, grid,  grid, s.isCross,
            readout,       s.smooth,  FALSE, {},   s.filter};
}

BOOL readoutInUse() {
    const Settings& s = magnifier.settings;
    return s.showInfo || anyHotkeySet(s, actionBit(kPickMode) | actionBit(kAnchor));
}
