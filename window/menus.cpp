#include <windows.h>

#include <shellapi.h>

#include "window/menus.h"

#include "common/shared.h"
#include "common/texts.h"
#include "res/resource.h"
#include "view/geometry.h"
#include "window/hiding.h"
#include "window/placement.h"
#include "window/state.h"
#include "window/timer.h"
#include "window/help.h"

HMENU mainMenu;
HMENU frameMenu;
HMENU zoomMenu;
HMENU trayMenu;

// An entry of a menu as built: a command, a separator (command 0, no submenu) or a submenu.
// The labels come from the face in force, entry for entry.
struct MenuEntry {
    UINT command;
    HMENU* submenu = nullptr;
};

static const MenuEntry kFrameEntries[kFrameMenuEntries] = {{ID_FRAME_NONE}, {ID_FRAME_BLACK}};

static const MenuEntry kMainEntries[kMainMenuEntries] = {
    {ID_ALWAYS_TOP}, {ID_CROSS},     {ID_SIZE_FIXED},
    {ID_INVERT},     {IDOJI_TOKA},   {0},
    {0, &frameMenu}, {0, &zoomMenu}, {0},
    {ID_OPEN_INIT},  {ID_OPEN_HELP}, {ID_MINIMIZE},
    {IDOK},
};

static const MenuEntry kTrayEntries[kTrayMenuEntries] = {{ID_OPEN_HELP}, {ID_RESTORE}, {0}, {IDOK}};

static const wchar_t kSetupTool[] = L"QConf.exe";

static HMENU createMenu(const MenuEntry* entries, const wchar_t* const* labels, int count) {
    HMENU menu = CreatePopupMenu();
    for (int i = 0; i < count; ++i) {
        const MenuEntry& e = entries[i];
        if (e.submenu)
            AppendMenuW(menu, MF_STRING | MF_POPUP, (UINT_PTR)*e.submenu, labels[i]);
        else if (e.command)
            AppendMenuW(menu, MF_STRING, e.command, labels[i]);
        else
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

static UINT checkFlag(BOOL checked) {
    return MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED);
}

void setMainMenuCheck(UINT command, BOOL checked) {
    CheckMenuItem(mainMenu, command, checkFlag(checked));
}

static void checkFrameEntries(int frameStyle) {
    CheckMenuItem(frameMenu, ID_FRAME_NONE, checkFlag(frameStyle == 0));
    CheckMenuItem(frameMenu, ID_FRAME_BLACK, checkFlag(frameStyle == 1));
}

// The zoom's factor taken, and its entry checked; another value checks none.
static void showZoom(int command) {
    if (!selectZoom(command, &magnifier.view))
        return;
    for (const ZoomEntry& entry : zoomTable)
        CheckMenuItem(zoomMenu, entry.command, checkFlag(entry.command == command));
}

void buildMenus(const MagnifierState* state) {
    const Texts& t = texts();
    frameMenu = createMenu(kFrameEntries, t.frameMenu, kFrameMenuEntries);
    // A frame style other than 0 or 1 checks neither entry.
    if (state->settings.frameStyle == 0 || state->settings.frameStyle == 1)
        CheckMenuItem(frameMenu, ID_FRAME_NONE + state->settings.frameStyle, checkFlag(TRUE));
    zoomMenu = CreatePopupMenu();
    for (int i = 0; i < kZoomMenuEntries; ++i)
        AppendMenuW(zoomMenu, MF_STRING, zoomTable[i].command, t.zoomMenu[i]);
    mainMenu = createMenu(kMainEntries, t.mainMenu, kMainMenuEntries);
    trayMenu = createMenu(kTrayEntries, t.trayMenu, kTrayMenuEntries);
    if ((DWORD)state->settings.rop == NOTSRCCOPY)
        setMainMenuCheck(ID_INVERT, TRUE);
    setMainMenuCheck(ID_CROSS, state->settings.isCross != 0);
    setMainMenuCheck(IDOJI_TOKA, state->settings.seeThroughDrag != 0);
    showZoom(state->settings.zoomCommand);
    setMainMenuCheck(ID_SIZE_FIXED, state->settings.sizeFixed != 0);
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
    setMainMenuCheck(ID_ALWAYS_TOP, magnifier.settings.isTop);
    applyWindowRect(window);
    placeInZOrder(window, magnifier.settings.isTop ? HWND_TOPMOST : HWND_NOTOPMOST);
}

static void selectZoomCommand(int command) {
    magnifier.settings.zoomCommand = command;
    showZoom(command);
}

static void toggleSizeFixed() {
    magnifier.settings.sizeFixed = flip(magnifier.settings.sizeFixed);
    setMainMenuCheck(ID_SIZE_FIXED, magnifier.settings.sizeFixed);
}

static void toggleCrosshair() {
    magnifier.settings.isCross = flip(magnifier.settings.isCross);
    setMainMenuCheck(ID_CROSS, magnifier.settings.isCross);
}

static void toggleInvert() {
    int& rop = magnifier.settings.rop;
    rop = (DWORD)rop == SRCCOPY ? (int)NOTSRCCOPY : (int)SRCCOPY;
    setMainMenuCheck(ID_INVERT, (DWORD)rop == NOTSRCCOPY);
}

static void setFrame(HWND window, int frameStyle) {
    magnifier.settings.frameStyle = frameStyle;
    checkFrameEntries(frameStyle);
    magnifier.view.frameWidth = frameStyle;
    refreshWindow(window, TRUE);
    if (!magnifier.settings.sizeFixed)
        applyWindowRect(window);
}

static void toggleSeeThroughDrag() {
    magnifier.settings.seeThroughDrag = flip(magnifier.settings.seeThroughDrag);
    setMainMenuCheck(IDOJI_TOKA, magnifier.settings.seeThroughDrag);
}

static BOOL isFile(const wchar_t* path) {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The tool shipped beside the program's own file, by its full path.
static BOOL findToolBesideProgram(wchar_t* path) {
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return FALSE;
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

// The set-up tool beside the program, else the one in the current directory, each by its
// full path: a bare name would let Windows run one lying in the settings folder first.
static BOOL findSetupTool(wchar_t* path) {
    if (findToolBesideProgram(path))
        return TRUE;
    DWORD length = GetFullPathNameW(kSetupTool, MAX_PATH, path, nullptr);
    return length > 0 && length < MAX_PATH && isFile(path);
}

// Started in the magnifier's current directory, so that both programs use one settings file.
static void openSetupTool(HWND window) {
    wchar_t path[MAX_PATH];
    if (findSetupTool(path) &&
        (INT_PTR)ShellExecuteW(window, nullptr, path, nullptr, nullptr, SW_SHOWNORMAL) > 32)
        return;
    MessageBoxW(window, texts().setupToolMissing, texts().displayName, MB_OK | MB_ICONWARNING);
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
        default:
            if (findZoomEntry(command))
                selectZoomCommand(command);
            break;
    }
    updateView();
}
