#include <windows.h>

#include "window/place/hiding.h"

#include "window/frame/surfaces.h"
#include "window/frame/timer.h"
#include "window/keys/loupe.h"
#include "window/place/placement.h"
#include "window/place/taskbar.h"
#include "window/state.h"

void hideAtStart() {
    session.hiddenInTray = 1;
}

void hideOrMinimize(HWND window) {
    endFreeze();  // a freeze and pick mode last while the view is seen
    endPickMode(window);
    // Shown again, the window renders at once: the place it showed is out of date by then.
    forgetShownFrame();
    if (session.trayIconAdded) {
        ShowWindow(window, SW_HIDE);
        session.hiddenInTray = 1;
    } else {
        minimizeToTaskbar(window);
    }
    stopTicking(window);
}

// Brought back without taking the keyboard from the program the user types in.
void restoreWindow(HWND window) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    session.hiddenInTray = 0;
    startTicking(window);
    // The window passes through the topmost band once, which brings it to the front.
    placeInZOrder(window, HWND_TOPMOST);
    if (!magnifier.settings.isTop) {
        applyWindowRect(window);
        placeInZOrder(window, HWND_NOTOPMOST);
    }
    redrawFrame(window);
}

void toggleHidden(HWND window) {
    if (session.hiddenInTray)
        restoreWindow(window);
    else
        hideOrMinimize(window);
}
