// Hiding to the notification icon and restoring, on the live window.
#include <windows.h>

#include "tests/unit/support.h"
#include "window/frame/timer.h"

TEST_CASE("minimised without an icon, the window keeps its taskbar button till it is restored") {
    LiveWindow live(nullptr);
    session.trayIconAdded = 0;
    SendMessageA(live.window, WM_COMMAND, ID_MINIMIZE, 0);
    SendMessageA(live.window, WM_DROPTASKBARBUTTON, 0, 0);  // as a restore's late message
    CHECK((IsIconic(live.window) && GetWindowLongW(live.window, GWL_EXSTYLE) & WS_EX_APPWINDOW));
}

TEST_CASE("hidden to the icon the window has no timer; restored it ticks again, on top") {
    LiveWindow live(nullptr);
    session.trayIconAdded = 1;  // hidden in the notification area, the window has no timer
    SendMessageA(live.window, WM_COMMAND, ID_MINIMIZE, 0);
    CHECK_FALSE(KillTimer(live.window, kMagnifyTimer));
    // Restored, it ticks again, always on top as before, with the menus saying so.
    SendMessageA(live.window, WM_COMMAND, ID_RESTORE, 0);
    CHECK(checkMarks() == "TFB x2");
    CHECK(KillTimer(live.window, kMagnifyTimer));
}
