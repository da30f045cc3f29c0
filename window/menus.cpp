#include <windows.h>

#include <shellapi.h>

#include "window/menus.h"

#include "common/shared.h"
#include "common/texts.h"
#include "res/resource.h"
#include "view/geometry.h"
#include "window/hiding.h"
#include "window/placement.h"
#include "window/platform.h"
#include "window/state.h"
#include "window/timer.h"
#include "window/help.h"

HMENU mainMenu;
HMENU frameMenu;
HMENU zoomMenu;
HMENU trayMenu;

// The settings an entry's check mark shows; null for an entry without one.
typedef BOOL (*MarkShown)(const Settings& settings);

static BOOL alwaysOnTop(const Settings& s) {
    return s.isTop != 0;
}
static BOOL crosshairShown(const Settings& s) {
    return s.isCross != 0;
}
static BOOL sizeFixed(const Settings& s) {
    return s.sizeFixed != 0;
}
static BOOL inverted(const Settings& s) {
    return (DWORD)s.rop == NOTSRCCOPY;
}
static BOOL seeThroughDrag(const Settings& s) {
    return s.seeThroughDrag != 0;
}
static BOOL selfExcluded(const Settings& s) {
    return s.excludeSelf != 0;
}
// A frame style other than 0 or 1 checks neither entry.
static BOOL noFrame(const Settings& s) {
    return s.frameStyle == 0;
}
static BOOL blackFrame(const Settings& s) {
    return s.frameStyle == 1;
}

// An entry of a menu: a command, a submenu, or a separator (no label).
struct MenuEntry {
    UINT command;
    TextId label;
    HMENU* submenu;
    MarkShown marked;
};
static const TextId kSeparator = kTextCount;

// clang-format off
static const MenuEntry kFrameEntries[] = {
    {ID_FRAME_NONE,  kMenuNoFrame,    nullptr, noFrame},
    {ID_FRAME_BLACK, kMenuBlackFrame, nullptr, blackFrame},
};

static const MenuEntry kMainEntries[] = {
    {ID_ALWAYS_TOP,   kMenuAlwaysOnTop,  nullptr,    alwaysOnTop},
    {ID_CROSS,        kMenuCrosshair,    nullptr,    crosshairShown},
    {ID_SIZE_FIXED,   kMenuFixedSize,    nullptr,    sizeFixed},
    {ID_INVERT,       kMenuInvert,       nullptr,    inverted},
    {IDOJI_TOKA,      kMenuSeeThrough,   nullptr,    seeThroughDrag},
    {ID_EXCLUDE_SELF, kMenuExcludeSelf,  nullptr,    selfExcluded},
    {0,               kSeparator,        nullptr,    nullptr},
    {0,               kMenuFrame,        &frameMenu, nullptr},
    {0,               kMenuZoom,         &zoomMenu,  nullptr},
    {0,               kSeparator,        nullptr,    nullptr},
    {ID_OPEN_INIT,    kMenuSettings,     nullptr,    nullptr},
    {ID_OPEN_HELP,    kMenuHelp,         nullptr,    nullptr},
    {ID_MINIMIZE,     kMenuMinimize,     nullptr,    nullptr},
    {IDOK,            kMenuExit,         nullptr,    nullptr},
};

static const MenuEntry kTrayEntries[] = {
    {ID_OPEN_HELP, kMenuHelp,    nullptr, nullptr},
    {ID_RESTORE,   kMenuRestore, nullptr, nullptr},
    {0,            kSeparator,   nullptr, nullptr},
    {IDOK,         kMenuExit,    nullptr, nullptr},
};
// clang-format on

static const wchar_t kSetupTool[] = L"QConf.exe";

template <size_t count>
static HMENU createMenu(const MenuEntry (&entries)[count]) {
    HMENU menu = CreatePopupMenu();
    for (const MenuEntry& e : entries) {
        if (e.submenu)
            AppendMenuW(menu, MF_STRING | MF_POPUP, (UINT_PTR)*e.submenu, text(e.label));
        else if (e.label != kSeparator)
            AppendMenuW(menu, MF_STRING, e.command, text(e.label));
        else
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

static UINT checkFlag(BOOL checked) {
    return MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED);
}

template <size_t count>
static void showMarks(HMENU menu, const MenuEntry (&entries)[count], const Settings& s) {
    for (const MenuEntry& e : entries) {
        if (e.marked)
            CheckMenuItem(menu, e.command, checkFlag(e.marked(s)));
    }
}

// Every check mark as the settings say; the zoom in force's entry (none for another value).
static void showAllMarks(const Settings& s) {
    showMarks(mainMenu, kMainEntries, s);
    showMarks(frameMenu, kFrameEntries, s);
    for (const ZoomEntry& entry : zoomTable)
        CheckMenuItem(zoomMenu, entry.command, checkFlag(entry.command == s.zoomCommand));
}

void buildMenus(const MagnifierState* state) {
    frameMenu = createMenu(kFrameEntries);
    zoomMenu = CreatePopupMenu();
    for (const ZoomEntry& entry : zoomTable)
        AppendMenuW(zoomMenu, MF_STRING, entry.command, text(entry.label));
    mainMenu = createMenu(kMainEntries);
    trayMenu = createMenu(kTrayEntries);
    selectZoom(state->settings.zoomCommand, &magnifier.view);
    showAllMarks(state->settings);
}

// Opens a menu with its top-left corner at the cursor. The window is brought to the
// foreground first, and a null message follows the menu, so that a menu opened from the
// notification icon closes when the user clicks elsewhere.
static void trackMenuAtCursor(HWND window, HMENU menu) {
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return;
    SetForegroundWindow(window);
    TrackPopupMenu(menu, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
}

void showMainMenu(HWND window) {
    trackMenuAtCursor(window, mainMenu);
}

void showTrayMenu(HWND window) {
    trackMenuAtCursor(window, trayMenu);
}

void destroyMenus() {
    DestroyMenu(mainMenu);
    DestroyMenu(trayMenu);
}

static int flip(int flag) {
    return flag == 0 ? 1 : 0;
}

static void toggleAlwaysOnTop(HWND window) {
    magnifier.settings.isTop = flip(magnifier.settings.isTop);
    applyWindowRect(window);
    placeInZOrder(window, magnifier.settings.isTop ? HWND_TOPMOST : HWND_NOTOPMOST);
}

static void selectZoomCommand(int command) {
    magnifier.settings.zoomCommand = command;
    selectZoom(command, &magnifier.view);
}

static void toggleSizeFixed() {
    magnifier.settings.sizeFixed = flip(magnifier.settings.sizeFixed);
}

static void toggleCrosshair() {
    magnifier.settings.isCross = flip(magnifier.settings.isCross);
}

static void toggleInvert() {
    int& rop = magnifier.settings.rop;
    rop = (DWORD)rop == SRCCOPY ? (int)NOTSRCCOPY : (int)SRCCOPY;
}

static void setFrame(HWND window, int frameStyle) {
    magnifier.settings.frameStyle = frameStyle;
    magnifier.view.frameWidth = frameStyle;
    flashAndRedrawFrame(window);
    if (!magnifier.settings.sizeFixed)
        applyWindowRect(window);
}

static void toggleSeeThroughDrag() {
    magnifier.settings.seeThroughDrag = flip(magnifier.settings.seeThroughDrag);
}

// The entry and the key follow the user's choice also where the system cannot leave the window
// out (before Windows 10 2004, and under Wine).
static void toggleExcludeSelf(HWND window) {
    magnifier.settings.excludeSelf = flip(magnifier.settings.excludeSelf);
    leaveOutOfCaptures(window, magnifier.settings.excludeSelf);
}

static BOOL isFile(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The tool shipped beside the program's file, by its full path.
static BOOL findToolBesideProgram(wchar_t* path, const wchar_t* program) {
    if (lstrlenW(program) >= MAX_PATH)
        return FALSE;
    lstrcpyW(path, program);
    wchar_t* name = path;
    for (wchar_t* p = path; *p; ++p) {
        if (*p == L'\\')
            name = p + 1;
    }
    if ((name - path) + ARRAYSIZE(kSetupTool) > MAX_PATH)
        return FALSE;
    lstrcpyW(name, kSetupTool);
    return isFile(path);
}

// Each by its full path: a bare name would let Windows run one lying in the settings folder
// first.
BOOL findSetupTool(wchar_t* path, const wchar_t* program, BOOL elevated) {
    if (findToolBesideProgram(path, program))
        return TRUE;
    if (elevated)
        return FALSE;
    DWORD length = GetFullPathNameW(kSetupTool, MAX_PATH, path, nullptr);
    return length > 0 && length < MAX_PATH && isFile(path);
}

// Started in the magnifier's current directory, so that both programs use one settings file.
static void openSetupTool(HWND window) {
    wchar_t program[MAX_PATH], path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length > 0 && length < MAX_PATH && findSetupTool(path, program, runsElevated()) &&
        (INT_PTR)ShellExecuteW(window, nullptr, path, nullptr, nullptr, SW_SHOWNORMAL) > 32)
        return;
    MessageBoxW(window, text(kSetupToolMissing), text(kDisplayName), MB_OK | MB_ICONWARNING);
}

static int zoomIndex(int command) {
    const ZoomEntry* entry = findZoomEntry(command);
    return entry ? (int)(entry - zoomTable) : 0;  // an unknown zoom stretches 1:1, as 1x
}

void stepZoom(HWND window, int delta) {
    if ((delta > 0) != (session.wheelDelta > 0))
        session.wheelDelta = 0;  // a turn the other way starts afresh
    session.wheelDelta += delta;
    int steps = session.wheelDelta / WHEEL_DELTA;
    session.wheelDelta %= WHEEL_DELTA;
    int index =
        clampInt(zoomIndex(magnifier.settings.zoomCommand) + steps, 0, ARRAYSIZE(zoomTable) - 1);
    if (steps != 0 && zoomTable[index].command != magnifier.settings.zoomCommand)
        runCommand(window, zoomTable[index].command);
}

void runCommand(HWND window, int command) {
    switch (command) {
        case IDOK:
        case IDCANCEL: DestroyWindow(window); break;
        case ID_ALWAYS_TOP: toggleAlwaysOnTop(window); break;
        case ID_SIZE_FIXED: toggleSizeFixed(); break;
        case ID_CROSS: toggleCrosshair(); break;
        case ID_MINIMIZE: hideOrMinimize(window); break;
        case ID_RESTORE: restoreWindow(window); break;
        case ID_OPEN_HELP: openHelp(window); break;
        case ID_INVERT: toggleInvert(); break;
        case ID_FRAME_NONE: setFrame(window, 0); break;
        case ID_FRAME_BLACK: setFrame(window, 1); break;
        case IDOJI_TOKA: toggleSeeThroughDrag(); break;
        case ID_OPEN_INIT: openSetupTool(window); break;
        case ID_EXCLUDE_SELF: toggleExcludeSelf(window); break;
        default:
            if (findZoomEntry(command))
                selectZoomCommand(command);
            break;
    }
    showAllMarks(magnifier.settings);
    updateView();
}
