#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <string.h>

#include "app/tray.h"

#include "common/shared.h"
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

// At the size the shell asks for at the DPI in force, drawn from the image of that size.
void loadTrayIcon() {
    HICON icon = nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (FAILED(LoadIconMetric(instance, MAKEINTRESOURCEW(IDI_TRAY), LIM_SMALL, &icon)))
        icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
    if (!icon)
        return;  // the icon loaded before stays
    if (trayIcon)
        DestroyIcon(trayIcon);
    trayIcon = icon;
}

void addTrayIcon(HWND window) {
    if (notifyAdd(window)) {
        trayIconAdded = 1;
    } else {
        SetWindowTextW(window, texts().noIconTitle);
        trayIconAdded = 0;
    }
}

void updateTrayIcon(HWND window) {
    loadTrayIcon();
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, NIF_ICON);
    data.hIcon = trayIcon;
    if (trayIconAdded)
        Shell_NotifyIconW(NIM_MODIFY, &data);
}

void removeTrayIcon(HWND window) {
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, 0);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

// The shell has (re)started, or its DPI changed: the icon is added whether or not it was
// there before, at the size the shell now asks for. Removed first, in case it is still there.
void onTaskbarCreated(HWND window) {
    loadTrayIcon();
    removeTrayIcon(window);
    addTrayIcon(window);
}

// One press acts once, however long it is held; a key without Ctrl, Alt or Shift would be
// taken from every program, and is never registered.
static void registerStoredHotkey(HWND window, int id, int stored) {
    if (hotkeyKey(stored) && hotkeyModifiers(stored))
        RegisterHotKey(window, id, hotkeyModifiers(stored) | MOD_NOREPEAT, hotkeyKey(stored));
}

void registerHotkey(HWND window) {
    if (magnifier.hotkeyEnabled)
        RegisterHotKey(window, kHotkeyId, MOD_CONTROL | MOD_NOREPEAT, VK_SPACE);
    registerStoredHotkey(window, kFreezeHotkeyId, magnifier.freezeHotkey);
    registerStoredHotkey(window, kCopyHotkeyId, magnifier.copyHotkey);
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
    restartTimer(window, 0);
}

void hideOrMinimize(HWND window, UINT_PTR timer) {
    frozen = 0;  // a freeze lasts while the view is seen
    if (trayIconAdded) {
        ShowWindow(window, SW_HIDE);
        hiddenInTray = 1;
    } else {
        minimizeToTaskbar(window);
    }
    if (timer != 0)
        KillTimer(window, timer);
}

static void setTopmost(HWND window, HWND insertAfter) {
    SetWindowPos(window, insertAfter, magnifier.windowX, magnifier.windowY, magnifier.windowWidth,
                 magnifier.windowHeight, 0);
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
