// qilo_e2e CASE PATH-TO-Qilo.exe [LOG]: runs one end-to-end case and exits with 0 when every
// check of it passed.
#include "tests/e2e/driver.h"
#include "tests/e2e/cases.h"

// ---- the driver -----------------------------------------------------------------------------

// clang-format off
static const struct {
    const char* name;
    void (*run)();
} kCases[] = {
    {"first_start", caseFirstStart}, {"every_key", caseEveryKey}, {"corners", caseCorners},
    {"resize", caseResize}, {"repaint", caseRepaint}, {"menus", caseMenus},
    {"drag", caseDrag}, {"see_through_drag", caseSeeThroughDrag}, {"tray", caseTray},
    {"hotkey", caseHotkey}, {"show_commands", caseShowCommands}, {"shell", caseShell},
    {"hostile_settings", caseHostileSettings}, {"session_end", caseSessionEnd},
    {"display_change", caseDisplayChange}, {"two_monitors", caseTwoMonitors},
    {"help", caseHelp}, {"setup_tool", caseSetupTool}, {"wheel", caseWheel}, {"readout", caseReadout}, {"freeze", caseFreeze}, {"display_change_inner", caseDisplayChangeInner},
    {"loupe", caseLoupe}, {"faces", caseFaces}, {"folders", caseFolders}, {"dpi", caseDpi},
    {"follow_focus", caseFollowFocus}, {"smooth", caseSmooth}, {"pointer", casePointer},
    {"zoom_keys", caseZoomKeys}, {"lens", caseLens}, {"filters", caseFilters},
    {"leaks", [] { checkResources(false); }}, {"soak", [] { checkResources(true); }}};
// clang-format on

int main(int argc, char** argv) {
    // A case run inside a virtual desktop reports through a log file.
    if (argc < 3 || (argc == 4 && !freopen(argv[3], "w", stdout)))
        return 2;
    char path[MAX_PATH];
    GetFullPathNameA(argv[2], MAX_PATH, path, nullptr);
    wchar_t widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH);
    qiloPath = widePath;
    face = systemFace();
    for (const auto& c : kCases) {
        if (strcmp(c.name, argv[1]) == 0) {
            printf("%s\n", c.name);
            c.run();
            printf("%s: %s\n", c.name, failures ? "FAILED" : "passed");
            return failures ? 1 : 0;
        }
    }
    fprintf(stderr, "usage: qilo_e2e CASE PATH-TO-Qilo.exe [LOG]\n");
    return 2;
}
