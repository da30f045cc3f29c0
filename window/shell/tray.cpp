#include <windows.h>

#include "window/shell/tray.h"

#include "common/texts.h"
#include "window/place/hiding.h"
#include "window/place/lens.h"
#include "window/shell/trayicon.h"
#include "window/state.h"

// How often, and how far apart, an icon the shell refused is asked for again.
static const int kIconTries = 5;
static const UINT kIconTryMs = 1000;

// The lens comes and goes with the icon, through which its menus are reached.
void showTrayIcon(HWND window) {
    session.trayIconAdded = addTrayIcon(window);
    session.iconTriesLeft = session.trayIconAdded ? 0 : kIconTries;
    if (session.trayIconAdded) {
        KillTimer(window, kIconTimer);
    } else {
        SetWindowTextW(window, text(kNoIconTitle));
        SetTimer(window, kIconTimer, kIconTryMs, nullptr);
    }
    followLensSetting(window);
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
        followLensSetting(window);
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

void dropTrayIcon(HWND window) {
    KillTimer(window, kIconTimer);
    removeTrayIcon(window);
}
