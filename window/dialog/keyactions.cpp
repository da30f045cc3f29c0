#include <windows.h>

#include "window/dialog/keyactions.h"

#include "common/hotkeys.h"
#include "res/resource.h"
#include "window/dialog/menus.h"
#include "window/frame/tick.h"
#include "window/keys/copy.h"
#include "window/keys/loupe.h"
#include "window/keys/picture.h"
#include "window/place/hiding.h"
#include "window/state.h"

// Pick mode's keys act on the pixel under the cursor now, and the readout shows the outcome at
// once.
static void runPickModeKey(HWND window, const Hotkey& row) {
    if (!magnifier.loupe.picking)
        return;
    renderNow(window);
    switch (row.action) {
        case kPickStep: stepCursor(row.dx, row.dy); break;
        case kPickCopy:
            copyReadout(window);
            endPickMode(window);
            break;
        default: endPickMode(window); break;
    }
    renderNow(window);
}

// The anchor is set at the pixel under the cursor now, not at the last frame's.
static void setAnchorHere(HWND window) {
    renderNow(window);
    toggleAnchor();
    renderNow(window);
}

// A key is pressed with the cursor at rest, which renders only every tenth tick: the new zoom
// is shown at once.
static void stepZoomNow(HWND window, int steps) {
    stepZoomBy(window, steps);
    renderNow(window);
}

void runHotkey(HWND window, int id) {
    const Hotkey* row = findHotkey(id);
    if (!row)
        return;
    switch (row->action) {
        case kShowOrHide: toggleHidden(window); break;
        case kFreeze: toggleFreeze(); break;
        case kCopy: copyReadout(window); break;
        case kPickMode:
            togglePickMode(window);
            renderNow(window);
            break;
        case kAnchor: setAnchorHere(window); break;
        case kSavePicture: saveViewAsPicture(window); break;
        case kZoomIn: stepZoomNow(window, 1); break;
        case kZoomOut: stepZoomNow(window, -1); break;
        case kLens: runCommand(window, ID_LENS); break;  // as the menus' entry
        case kPickStep:
        case kPickCopy:
        case kPickEnd: runPickModeKey(window, *row); break;
        case kHotkeyActionCount: break;
    }
}
