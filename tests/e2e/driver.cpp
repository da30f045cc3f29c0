// The end-to-end test driver: qilo_e2e CASE PATH-TO-Qilo.exe. Runs one case against the real
// program and exits with 0 when every check passed.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "cases.h"
#include "harness.h"

struct Case {
    const char* name;
    void (*run)();
};

static const Case kCases[] = {
    {"first_start", caseFirstStart},
    {"corner_clamping", caseCornerClamping},
    {"settings_every_key", caseSettingsEveryKey},
    {"still_cursor_throttle", caseStillCursorThrottle},
    {"user_resize_snaps", caseUserResizeSnaps},
    {"second_copy", caseSecondCopy},
    {"close_saves_settings", caseCloseSavesSettings},
    {"menu_opens_at_cursor", caseMenuOpensAtCursor},
    {"menu_commands", caseMenuCommands},
    {"help_and_setup_tool", caseHelpAndSetupTool},
    {"drag_keeps_grab_point", caseDragKeepsGrabPoint},
    {"see_through_drag", caseSeeThroughDrag},
    {"lost_capture_ends_drag", caseLostCaptureEndsDrag},
    {"no_gdi_leaks", caseNoGdiLeaks},
    {"tray_callbacks", caseTrayCallbacks},
    {"hotkey_toggles", caseHotkeyToggles},
    {"show_commands", caseShowCommands},
    {"no_notification_icon", caseNoNotificationIcon},
    {"shell_restart_adds_icon", caseShellRestartAddsIcon},
    {"hostile_settings", caseHostileSettings},
    {"session_end_saves", caseSessionEndSaves},
    {"soak", caseSoak},
    {"display_change", caseDisplayChange},
    {"display_change_inner", caseDisplayChangeInner},
};

int main(int argc, char** argv) {
    if (runAsSetupToolStandIn())
        return 0;
    if (argc != 3 && argc != 4) {
        fprintf(stderr, "usage: qilo_e2e CASE PATH-TO-Qilo.exe [LOG]\n");
        return 2;
    }
    // A case run inside a virtual desktop reports through a log file.
    if (argc == 4 && !freopen(argv[3], "w", stdout))
        return 2;
    setQiloPath(argv[2]);
    for (const Case& c : kCases) {
        if (strcmp(c.name, argv[1]) != 0)
            continue;
        printf("%s\n", c.name);
        c.run();
        hidePattern();
        int failed = failedChecks();
        printf("%s: %s\n", c.name, failed ? "FAILED" : "passed");
        return failed ? 1 : 0;
    }
    fprintf(stderr, "no case named %s\n", argv[1]);
    return 2;
}
