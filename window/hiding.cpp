#include <windows.h>

#include "window/hiding.h"

#include "common/texts.h"
#include "window/loupe.h"
#include "window/placement.h"
#include "window/state.h"
#include "window/timer.h"
#include "window/trayicon.h"

void showTrayIcon(HWND window) {
    session.trayIconAdded = addTrayIcon(window);
    if (!session.trayIconAdded)
        SetWindowTextW(window, texts().noIconTitle);
}

// Removed first, in case the shell still shows it.
void onShellRestarted(HWND window) {
    loadTrayIcon();
    removeTrayIcon(window);
    showTrayIcon(window);
}

// A tool window has no taskbar button and is not in Alt+Tab: minimised without an icon it
// gets a button, from which it can be restored. The taskbar reads the style when a window
// is shown, so the window is hidden while the style changes.
static void minimizeToTaskbar(HWND window) {
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_TOOLWINDOW) {
        ShowWindow(window, SW_HIDE);
        SetWindowLongW(window, GWL_EXSTYLE, (exStyle & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW);
    }
    ShowWindow(window, SW_SHOWMINIMIZED);
}

void dropTaskbarButton(HWND window) {
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_APPWINDOW) || IsIconic(window))
        return;
    ShowWindow(window, SW_HIDE);
    SetWindowLongW(window, GWL_EXSTYLE, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    ShowWindow(window, SW_SHOW);
    refreshWindow(window, FALSE);
}

void hideOrMinimize(HWND window) {
    session.frozen = 0;  // a freeze and pick mode last while the view is seen
    endPickMode(window);
    if (session.trayIconAdded) {
        ShowWindow(window, SW_HIDE);
        session.hiddenInTray = 1;
    } else {
        minimizeToTaskbar(window);
    }
    stopTicking(window);
}

void restoreWindow(HWND window) {
    ShowWindow(window, SW_RESTORE);
    session.hiddenInTray = 0;
    startTicking(window);
    // The window passes through the topmost band once, which brings it to the front.
    placeInZOrder(window, HWND_TOPMOST);
    if (!magnifier.settings.isTop) {
        applyWindowRect(window);
        placeInZOrder(window, HWND_NOTOPMOST);
    }
    refreshWindow(window, FALSE);
}

void toggleHidden(HWND window) {
    if (session.hiddenInTray)
        restoreWindow(window);
    else
        hideOrMinimize(window);
}
