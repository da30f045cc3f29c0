#include <windows.h>

#include "window/hiding.h"

#include "common/texts.h"
#include "window/loupe.h"
#include "window/placement.h"
#include "window/state.h"
#include "window/timer.h"
#include "window/trayicon.h"

// How often, and how far apart, an icon the shell refused is asked for again.
static const int kIconTries = 5;
static const UINT kIconTryMs = 1000;

void showTrayIcon(HWND window) {
    session.trayIconAdded = addTrayIcon(window);
    session.iconTriesLeft = session.trayIconAdded ? 0 : kIconTries;
    if (session.trayIconAdded) {
        KillTimer(window, kIconTimer);
        return;
    }
    SetWindowTextW(window, text(kNoIconTitle));
    SetTimer(window, kIconTimer, kIconTryMs, nullptr);
}

// Meanwhile the window minimises as it does without an icon; once the icon is there, a
// window that went to it minimised goes on to it.
void tryTrayIconAgain(HWND window) {
    if (retryTrayIcon(window)) {
        session.trayIconAdded = 1;
        session.iconTriesLeft = 0;
        SetWindowTextW(window, L"");
        if (session.hiddenInTray && IsIconic(window))
            hideOrMinimize(window);
    } else {
        --session.iconTriesLeft;
    }
    if (session.iconTriesLeft <= 0)
        KillTimer(window, kIconTimer);
}

// Removed first, in case the shell still shows it.
void onShellRestarted(HWND window) {
    loadTrayIcon();
    removeTrayIcon(window);
    showTrayIcon(window);
}

// The frame is worked out again for the new style, as the system asks after every change.
static void setExtendedStyle(HWND window, LONG exStyle) {
    SetWindowLongW(window, GWL_EXSTYLE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// A tool window has no taskbar button and is not in Alt+Tab: minimised without an icon it
// gets a button, from which it can be restored. The taskbar reads the style when a window
// is shown, so the window is hidden while the style changes.
static void minimizeToTaskbar(HWND window) {
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (exStyle & WS_EX_TOOLWINDOW) {
        ShowWindow(window, SW_HIDE);
        setExtendedStyle(window, (exStyle & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW);
    }
    ShowWindow(window, SW_SHOWMINNOACTIVE);
}

void dropTaskbarButton(HWND window) {
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_APPWINDOW) || IsIconic(window))
        return;
    ShowWindow(window, SW_HIDE);
    setExtendedStyle(window, (exStyle & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW);
    ShowWindow(window, SW_SHOW);
    // Put back in its band's front explicitly: a window shown again after a style change is
    // not always restacked above the windows shown meanwhile (seen under Wine).
    SetWindowPos(window, magnifier.settings.isTop ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    redrawFrame(window);
}

void hideOrMinimize(HWND window) {
    session.frozen = 0;  // a freeze and pick mode last while the view is seen
    endPickMode(window);
    // Shown again, the window renders at once: the place it showed is out of date by then.
    magnifier.surfaces.holdsFrame = 0;
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
