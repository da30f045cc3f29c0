#include <windows.h>

#include <shellapi.h>
#include <string.h>

#include "app/tray.h"

#include "app/shared.h"
#include "app/state.h"
#include "common/texts.h"
#include "res/resource.h"
#include "view/surfaces.h"
#include "window/menus.h"

// The shell's earliest NOTIFYICONDATAW layout: every version of the shell accepts it.
static const DWORD kNotifyIconSize = NOTIFYICONDATAW_V1_SIZE;

static void fillIconRecord(NOTIFYICONDATAW* data, HWND window, UINT flags) {
    memset(data, 0, sizeof *data);
    data->cbSize = kNotifyIconSize;
    data->hWnd = window;
    data->uID = kTrayIconId;
    data->uFlags = flags;
}

static BOOL notifyAdd(HWND window) {
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = WM_TRAYNOTIFY;
    data.hIcon = trayIcon;
    lstrcpynW(data.szTip, texts().displayName, ARRAYSIZE(data.szTip));
    return Shell_NotifyIconW(NIM_ADD, &data);
}

void addTrayIcon(HWND window) {
    if (notifyAdd(window)) {
        trayIconAdded = 1;
    } else {
        SetWindowTextW(window, texts().noIconTitle);
        trayIconAdded = 0;
    }
}

void removeTrayIcon(HWND window) {
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, 0);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

void onTaskbarCreated(HWND window) {
    // Only an icon that was there before is brought back; without one, hiding minimises.
    if (trayIconAdded)
        notifyAdd(window);
}

static void registerStoredHotkey(HWND window, int id, int stored) {
    if (hotkeyKey(stored))
        RegisterHotKey(window, id, hotkeyModifiers(stored), hotkeyKey(stored));
}

void registerHotkey(HWND window) {
    if (magnifier.hotkeyEnabled)
        RegisterHotKey(window, kHotkeyId, MOD_CONTROL, VK_SPACE);
    registerStoredHotkey(window, kFreezeHotkeyId, magnifier.freezeHotkey);
    registerStoredHotkey(window, kCopyHotkeyId, magnifier.copyHotkey);
}

void hideOrMinimize(HWND window, UINT_PTR timer) {
    frozen = 0;  // a freeze lasts while the view is seen
    if (trayIconAdded) {
        ShowWindow(window, SW_HIDE);
        hiddenInTray = 1;
    } else {
        ShowWindow(window, SW_SHOWMINIMIZED);
    }
    if (timer != 0)
        KillTimer(window, timer);
}

static void setTopmost(HWND window, HWND insertAfter) {
    SetWindowPos(window, insertAfter, magnifier.windowX, magnifier.windowY, windowWidth,
                 windowHeight, 0);
}

void restoreWindow(HWND window) {
    ShowWindow(window, SW_RESTORE);
    hiddenInTray = 0;
    SetTimer(window, kMagnifyTimer, magnifier.intervalMs, nullptr);
    // The window passes through the topmost band once, which brings it to the front.
    setMainMenuCheck(ID_ALWAYS_TOP, TRUE);
    setTopmost(window, HWND_TOPMOST);
    if (!magnifier.isTop) {
        setMainMenuCheck(ID_ALWAYS_TOP, FALSE);
        applyWindowRect(window);
        setTopmost(window, HWND_NOTOPMOST);
    }
    restartTimer(window, 0);
}

void toggleHidden(HWND window) {
    if (hiddenInTray)
        restoreWindow(window);
    else
        hideOrMinimize(window, timerId);
}

void onTrayMouse(HWND window, LPARAM mouseMessage) {
    switch (mouseMessage) {
        case WM_LBUTTONDOWN: toggleHidden(window); break;
        case WM_RBUTTONDOWN:
            if (hiddenInTray) {
                showTrayMenu(window);
            } else {
                restoreWindow(window);
                showMainMenu(window);
            }
            break;
    }
}
