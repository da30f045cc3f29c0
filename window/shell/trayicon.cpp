#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>
#include <string.h>

#include "window/shell/trayicon.h"

#include "common/texts.h"
#include "res/resource.h"

// The whole record of the Windows the program runs on, so that the tip is taken whole.
static const DWORD kNotifyIconSize = sizeof(NOTIFYICONDATAW);

static HICON trayIcon;

static void fillIconRecord(NOTIFYICONDATAW* data, HWND window, UINT flags) {
    memset(data, 0, sizeof *data);
    data->cbSize = kNotifyIconSize;
    data->hWnd = window;
    data->uID = kTrayIconId;
    data->uFlags = flags;
    data->hIcon = trayIcon;
}

void loadTrayIcon() {
    HICON icon = nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (FAILED(LoadIconMetric(instance, MAKEINTRESOURCEW(IDI_TRAY), LIM_SMALL, &icon)))
        icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TRAY), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
    if (!icon)
        return;
    if (trayIcon)
        DestroyIcon(trayIcon);
    trayIcon = icon;
}

BOOL addTrayIcon(HWND window) {
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    data.uCallbackMessage = WM_TRAYNOTIFY;
    lstrcpynW(data.szTip, text(kDisplayName), ARRAYSIZE(data.szTip));
    return Shell_NotifyIconW(NIM_ADD, &data);
}

// A shell busy past its time-out fails the call but may have added the icon all the same:
// it is changed if it is there, else added.
BOOL retryTrayIcon(HWND window) {
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, NIF_ICON);
    return Shell_NotifyIconW(NIM_MODIFY, &data) || addTrayIcon(window);
}

void changeTrayIcon(HWND window) {
    loadTrayIcon();
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, NIF_ICON);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void removeTrayIcon(HWND window) {
    NOTIFYICONDATAW data;
    fillIconRecord(&data, window, 0);
    Shell_NotifyIconW(NIM_DELETE, &data);
}
