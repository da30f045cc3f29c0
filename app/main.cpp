// Start-up: the single-instance guard, the window and the message loop.
#include <windows.h>

#include "common/shared.h"
#include "res/resource.h"
#include "window/dialog/dialog.h"
#include "window/dialog/settings.h"
#include "window/frame/view.h"
#include "window/place/hiding.h"
#include "window/shell/help.h"
#include "window/shell/tray.h"
#include "window/shell/trayicon.h"

// Show commands with bit 1 or bit 2 set (minimised, maximised, no-activate, SW_SHOW,
// SW_SHOWDEFAULT and the like) start the magnifier hidden in the notification area.
static const int kHiddenStartBits = 6;

static BOOL createMainWindow(HINSTANCE instance, int showCommand) {
    loadSettings();
    HWND window = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAGNIFIER), nullptr,
                                     magnifierDialogProc, 0);
    if (!window)
        return FALSE;
    // The geometry first: showing paints the window, which renders its first frame.
    updateView();
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    loadTrayIcon();
    showTrayIcon(window);
    return TRUE;
}

static int runMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0)) {
        if (isHelpMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return (int)msg.wParam;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    HANDLE instanceEvent = CreateEventW(nullptr, FALSE, FALSE, kInstanceEventName);
    if (!instanceEvent)
        return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(instanceEvent);
        return 0;
    }
    // The view is read from the screen at every tick; it must not wait behind other programs.
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    if (showCommand & kHiddenStartBits)
        hideAtStart();
    if (!createMainWindow(instance, SW_SHOW))
        return 0;
    int exitCode = runMessageLoop();
    CloseHandle(instanceEvent);
    reportUnsavedSettings();
    return exitCode;
}
