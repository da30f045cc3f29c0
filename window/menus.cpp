#include <windows.h>

#include <shellapi.h>

#include "window/menus.h"

#include "common/shared.h"
#include "app/tray.h"
#include "common/texts.h"
#include "res/resource.h"
#include "view/geometry.h"
#include "view/surfaces.h"
#include "window/dialog.h"
#include "window/help.h"

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

void buildMenus(MagnifierState* state) {
    const Texts& t = texts();
    frameMenu = createMenu(kFrameEntries, t.frameMenu, kFrameMenuEntries);
    // A frame style other than 0 or 1 checks neither entry.
    if (state->frameStyle == 0 || state->frameStyle == 1)
        CheckMenuItem(frameMenu, ID_FRAME_NONE + state->frameStyle, checkFlag(TRUE));
    zoomMenu = CreatePopupMenu();
    for (int i = 0; i < kZoomMenuEntries; ++i)
        AppendMenuW(zoomMenu, MF_STRING, zoomTable[i].command, t.zoomMenu[i]);
    mainMenu = createMenu(kMainEntries, t.mainMenu, kMainMenuEntries);
    trayMenu = createMenu(kTrayEntries, t.trayMenu, kTrayMenuEntries);
    if (state->rop == NOTSRCCOPY)
        setMainMenuCheck(ID_INVERT, TRUE);
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
    magnifier.isTop = flip(magnifier.isTop);
    setMainMenuCheck(ID_ALWAYS_TOP, magnifier.isTop);
    applyWindowRect(window);
    SetWindowPos(window, magnifier.isTop ? HWND_TOPMOST : HWND_NOTOPMOST, magnifier.windowX,
                 magnifier.windowY, magnifier.windowWidth, magnifier.windowHeight, 0);
}

static void selectZoomCommand(int command) {
    magnifier.zoomCommand = command;
    selectZoom(command, &magnifier);
}

static void toggleSizeFixed(HWND window) {
    magnifier.sizeFixed = flip(magnifier.sizeFixed);
    setMainMenuCheck(ID_SIZE_FIXED, magnifier.sizeFixed);
    applySizingBorder(window, &magnifier);
}

static void toggleCrosshair() {
    magnifier.isCross = flip(magnifier.isCross);
    setMainMenuCheck(ID_CROSS, magnifier.isCross);
}

static void toggleInvert() {
    magnifier.rop = magnifier.rop == SRCCOPY ? NOTSRCCOPY : SRCCOPY;
    setMainMenuCheck(ID_INVERT, magnifier.rop == NOTSRCCOPY);
}

static void setFrame(HWND window, int frameStyle) {
    magnifier.frameStyle = frameStyle;
    checkFrameEntries(frameStyle);
    magnifier.frameWidth = frameStyle;
    restartTimer(window, 1);
    if (!magnifier.sizeFixed)
        applyWindowRect(window);
}

static void toggleSeeThroughDrag() {
    magnifier.seeThroughDrag = flip(magnifier.seeThroughDrag);
    setMainMenuCheck(IDOJI_TOKA, magnifier.seeThroughDrag);
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
    if ((delta > 0) != (wheelDelta > 0))
        wheelDelta = 0;  // a turn the other way starts afresh
    wheelDelta += delta;
    int steps = wheelDelta / WHEEL_DELTA;
    wheelDelta %= WHEEL_DELTA;
    int index = clampInt(zoomIndex(magnifier.zoomCommand) + steps, 0, ARRAYSIZE(zoomTable) - 1);
    if (steps != 0 && zoomTable[index].command != magnifier.zoomCommand)
        runCommand(window, zoomTable[index].command);
}

void runCommand(HWND window, int command) {
    switch (command) {
        case IDOK:
        case IDCANCEL: DestroyWindow(window); break;
        case ID_ALWAYS_TOP: toggleAlwaysOnTop(window); break;
        case ID_SIZE_FIXED: toggleSizeFixed(window); break;
        case ID_CROSS: toggleCrosshair(); break;
        case ID_MINIMIZE: hideOrMinimize(window, timerId); break;
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
    computeGeometry(&magnifier);
}
