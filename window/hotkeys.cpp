#include <windows.h>

#include "window/hotkeys.h"

#include "common/shared.h"
#include "window/copy.h"
#include "window/hiding.h"
#include "window/loupe.h"
#include "window/picture.h"
#include "window/state.h"
#include "window/tick.h"

void registerHotkeys(HWND window, HotkeyTime time) {
    const Settings& s = magnifier.settings;
    for (const Hotkey& row : kHotkeys) {
        int key = row.time == time ? hotkeyOf(row, s) : 0;
        if (!hotkeyKey(key) || (row.stored && !hotkeyModifiers(key)))
            continue;
        // One press acts once, however long it is held, unless the key is meant to repeat.
        UINT modifiers = row.stored ? hotkeyModifiers(key) : row.modifiers;
        RegisterHotKey(window, row.id, modifiers | (row.repeats ? 0 : MOD_NOREPEAT),
                       hotkeyKey(key));
    }
}

void releaseHotkeys(HWND window, HotkeyTime time) {
    for (const Hotkey& row : kHotkeys) {
        if (row.time == time)
            UnregisterHotKey(window, row.id);
    }
}

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

void runHotkey(HWND window, int id) {
    const Hotkey* row = findHotkey(id);
    if (!row)
        return;
    switch (row->action) {
        case kShowOrHide: toggleHidden(window); break;
        case kFreeze: session.frozen = !session.frozen; break;
        case kCopy: copyReadout(window); break;
        case kPickMode:
            togglePickMode(window);
            renderNow(window);
            break;
        case kAnchor: setAnchorHere(window); break;
        case kSavePicture: saveViewAsPicture(window); break;
        case kPickStep:
        case kPickCopy:
        case kPickEnd: runPickModeKey(window, *row); break;
        case kHotkeyActionCount: break;
    }
}
