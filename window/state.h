// The magnifier's records: what the view draws from (view/state.h) and the window's session,
// what lives while the window does and is never saved.
#pragma once

#include <windows.h>

#include "view/state.h"

struct Session {
    int hiddenInTray;  // hidden to the notification icon (or to start there)
    int trayIconAdded;
    int iconTriesLeft;  // the shell refused the icon: times it is asked again
    int dragging;
    int dragOffsetX;  // cursor minus window corner at the press
    int dragOffsetY;
    int frozen;       // the view holds its last image
    int wheelDelta;   // wheel movement not yet a whole notch
    int lastCursorX;  // the cursor of the last frame, and the ticks it has rested since
    int lastCursorY;
    int stillTicks;
    int typingLeads;  // the view centres on where the user types, not on the mouse
    int typingKnown;  // where the user types has been seen, and that spot on the screen
    int typingX;
    int typingY;
    int renderBusy;
    UINT_PTR timerId;
    int lensOn;     // the window is the lens: LENS on, and its menus or its key within reach
    int lensHomeX;  // the window's own place meanwhile: where it goes back to, what X and Y keep
    int lensHomeY;
};

extern MagnifierState magnifier;
extern Session session;
