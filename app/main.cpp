// Start-up: the single-instance guard, the window and the message loop.
#include <windows.h>

#include "app/settings.h"
#include "common/shared.h"
#include "app/state.h"
#include "app/tray.h"
#include "res/resource.h"
#include "view/geometry.h"
#include "window/dialog.h"
#include "window/help.h"

// Show commands with bit 1 or bit 2 set (minimised, maximised, no-activate, SW_SHOW,
// SW_SHOWDEFAULT and the like) start the magnifier hidden in the notification area.
static const int kHiddenStartBits = 6;

static BOOL createMainWindow(HINSTANCE instance, int showCommand) {
    loadSettings();
    HWND window = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAGNIFIER), nullptr,
                                     magnifierDialogProc, 0);
    if (!window)
        return FALSE;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    computeGeometry(&magnifier);
    loadTrayIcon();
    addTrayIcon(window);
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
    instanceEvent = CreateEventW(nullptr, FALSE, FALSE, kInstanceEventName);
    if (!instanceEvent)
        return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(instanceEvent);
        return 0;
    }
    if (showCommand & kHiddenStartBits)
        hiddenInTray = 1;
    if (!createMainWindow(instance, SW_SHOW))
        return 0;
    int exitCode = runMessageLoop();
    CloseHandle(instanceEvent);
    reportUnsavedSettings();
    return exitCode;
}
