#include <windows.h>

#include "window/dialog/menus.h"

#include "common/shared.h"
#include "common/texts.h"
#include "res/resource.h"
#include "view/geometry.h"
#include "window/frame/surfaces.h"
#include "window/frame/tick.h"
#include "window/frame/timer.h"
#include "window/frame/view.h"
#include "window/place/hiding.h"
#include "window/place/lens.h"
#include "window/place/placement.h"
#include "window/platform.h"
#include "window/shell/help.h"
#include "window/shell/setuptool.h"
#include "window/state.h"

HMENU mainMenu;
HMENU frameMenu;
HMENU zoomMenu;
HMENU filterMenu;
HMENU trayMenu;

// What choosing an entry does to the setting it shows: nothing (a plain command), flip it
// between off and on (its mark shows while it is not off), or set it to on (its mark shows
// while it is on, as for one of a group).
enum EntryKind { kCommand, kFlip, kChoose };

// An entry of a menu: a command, a submenu, or a separator (no label); the setting it changes,
// and what runs after (once the view has been computed again).
struct MenuEntry {
    UINT command;
    TextId label;
    EntryKind kind;
    int Settings::*setting;
    int on;
    int off;
    void (*then)(HWND window);
    HMENU* submenu;
};
static const TextId kSeparator = kTextCount;

static void applyZOrder(HWND window) {
    applyWindowRect(window);
    placeInZOrder(window, magnifier.settings.isTop ? HWND_TOPMOST : HWND_NOTOPMOST);
}

// The entry and the key follow the user's choice also where the system cannot leave the window
// out (before Windows 10 2004, and under Wine).
static void applyCaptureExclusion(HWND window) {
    leaveOutOfCaptures(window, magnifier.settings.excludeSelf);
}

// Hiding and showing the window repaints what the old frame covered.
static void applyFrame(HWND window) {
    flashAndRedrawFrame(window);
    if (!magnifier.settings.sizeFixed)
        applyWindowRect(window);
}

// The source's 1:1 buffer (for smoothing and the filters) comes and goes with the surfaces.
static void applySourceBuffer(HWND window) {
    reopenSurfaces(window);
    renderNow(window);
}

static void quit(HWND window) {
    DestroyWindow(window);
}

typedef void (*Then)(HWND window);

static constexpr MenuEntry command(UINT command, TextId label, Then then) {
    return {command, label, kCommand, nullptr, 0, 0, then, nullptr};
}
static constexpr MenuEntry flip(UINT command,
                                TextId label,
                                int Settings::*setting,
                                Then then = nullptr,
                                int on = 1,
                                int off = 0) {
    return {command, label, kFlip, setting, on, off, then, nullptr};
}
static constexpr MenuEntry choose(UINT command,
                                  TextId label,
                                  int Settings::*setting,
                                  int value,
                                  Then then) {
    return {command, label, kChoose, setting, value, 0, then, nullptr};
}
static constexpr MenuEntry submenu(TextId label, HMENU* menu) {
    return {0, label, kCommand, nullptr, 0, 0, nullptr, menu};
}
static constexpr MenuEntry kSeparatorEntry = {0, kSeparator, kCommand, nullptr,
                                              0, 0,          nullptr,  nullptr};

// clang-format off
static const MenuEntry kFrameEntries[] = {
    choose(ID_FRAME_NONE,  kMenuNoFrame,    &Settings::frameStyle, 0, applyFrame),
    choose(ID_FRAME_BLACK, kMenuBlackFrame, &Settings::frameStyle, 1, applyFrame),
};

// Shown through the filter chosen at once, not at the next moving of the mouse.
static const MenuEntry kFilterEntries[] = {
    choose(ID_FILTER_NONE,         kMenuFilterNone,   &Settings::filter, kNoFilter,     applySourceBuffer),
    choose(ID_FILTER_GREYSCALE,    kMenuGreyscale,    &Settings::filter, kGreyscale,    applySourceBuffer),
    choose(ID_FILTER_PROTANOPIA,   kMenuProtanopia,   &Settings::filter, kProtanopia,   applySourceBuffer),
    choose(ID_FILTER_DEUTERANOPIA, kMenuDeuteranopia, &Settings::filter, kDeuteranopia, applySourceBuffer),
    choose(ID_FILTER_TRITANOPIA,   kMenuTritanopia,   &Settings::filter, kTritanopia,   applySourceBuffer),
};

static const MenuEntry kMainEntries[] = {
    flip(ID_ALWAYS_TOP,   kMenuAlwaysOnTop, &Settings::isTop, applyZOrder),
    flip(ID_CROSS,        kMenuCrosshair,   &Settings::isCross),
    flip(ID_SIZE_FIXED,   kMenuFixedSize,   &Settings::sizeFixed),
    flip(ID_INVERT,       kMenuInvert,      &Settings::rop, nullptr, (int)NOTSRCCOPY, (int)SRCCOPY),
    flip(IDOJI_TOKA,      kMenuSeeThrough,  &Settings::seeThroughDrag),
    flip(ID_EXCLUDE_SELF, kMenuExcludeSelf, &Settings::excludeSelf, applyCaptureExclusion),
    flip(ID_SMOOTH,       kMenuSmooth,      &Settings::smooth, applySourceBuffer),
    flip(ID_LENS,         kMenuLens,        &Settings::lens, followLensSetting),
    kSeparatorEntry,
    submenu(kMenuFrame, &frameMenu),
    submenu(kMenuZoom,  &zoomMenu),
    submenu(kMenuFilter, &filterMenu),
    kSeparatorEntry,
    command(ID_OPEN_INIT, kMenuSettings, openSetupTool),
    command(ID_OPEN_HELP, kMenuHelp,     openHelp),
    command(ID_MINIMIZE,  kMenuMinimize, hideOrMinimize),
    command(IDOK,         kMenuExit,     quit),
};

static const MenuEntry kTrayEntries[] = {
    command(ID_OPEN_HELP, kMenuHelp,    openHelp),
    command(ID_RESTORE,   kMenuRestore, restoreWindow),
    flip(ID_LENS,         kMenuLens,    &Settings::lens, followLensSetting),
    kSeparatorEntry,
    command(IDOK,         kMenuExit,    quit),
};
// Esc in the window.
static const MenuEntry kEscape = command(IDCANCEL, kMenuExit, quit);
// clang-format on

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

static BOOL marked(const MenuEntry& e, const Settings& s) {
    int value = s.*e.setting;
    return e.kind == kFlip ? value != e.off : value == e.on;
}

template <size_t count>
static void showMarks(HMENU menu, const MenuEntry (&entries)[count], const Settings& s) {
    for (const MenuEntry& e : entries) {
        if (e.kind != kCommand)
            CheckMenuItem(menu, e.command, checkFlag(marked(e, s)));
    }
}

// Every check mark as the settings say; the zoom in force's entry (none for another value).
static void showAllMarks(const Settings& s) {
    showMarks(mainMenu, kMainEntries, s);
    showMarks(frameMenu, kFrameEntries, s);
    showMarks(trayMenu, kTrayEntries, s);
    showMarks(filterMenu, kFilterEntries, s);
    for (const ZoomEntry& entry : zoomTable)
        CheckMenuItem(zoomMenu, entry.command, checkFlag(entry.command == s.zoomCommand));
}

void buildMenus() {
    frameMenu = createMenu(kFrameEntries);
    filterMenu = createMenu(kFilterEntries);
    zoomMenu = CreatePopupMenu();
    for (const ZoomEntry& entry : zoomTable)
        AppendMenuW(zoomMenu, MF_STRING, entry.command, text(entry.label));
    mainMenu = createMenu(kMainEntries);
    trayMenu = createMenu(kTrayEntries);
    showAllMarks(magnifier.settings);
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

static int zoomIndex(int command) {
    const ZoomEntry* entry = findZoomEntry(command);
    return entry ? (int)(entry - zoomTable) : 0;  // an unknown zoom stretches 1:1, as 1x
}

void stepZoomBy(HWND window, int steps) {
    int index =
        clampInt(zoomIndex(magnifier.settings.zoomCommand) + steps, 0, ARRAYSIZE(zoomTable) - 1);
    if (steps != 0 && zoomTable[index].command != magnifier.settings.zoomCommand)
        runCommand(window, zoomTable[index].command);
}

void stepZoom(HWND window, int delta) {
    if ((delta > 0) != (session.wheelDelta > 0))
        session.wheelDelta = 0;  // a turn the other way starts afresh
    session.wheelDelta += delta;
    int steps = session.wheelDelta / WHEEL_DELTA;
    session.wheelDelta %= WHEEL_DELTA;
    stepZoomBy(window, steps);
}

template <size_t count>
static const MenuEntry* findIn(const MenuEntry (&entries)[count], int command) {
    for (const MenuEntry& e : entries) {
        if (e.command == (UINT)command && e.label != kSeparator && !e.submenu)
            return &e;
    }
    return nullptr;
}

static const MenuEntry* findEntry(int command) {
    const MenuEntry* e = findIn(kMainEntries, command);
    e = e ? e : findIn(kFrameEntries, command);
    e = e ? e : findIn(kFilterEntries, command);
    e = e ? e : findIn(kTrayEntries, command);
    return e ? e : (command == IDCANCEL ? &kEscape : nullptr);
}

static void changeSetting(const MenuEntry& e) {
    int& value = magnifier.settings.*e.setting;
    if (e.kind == kFlip)
        value = value == e.off ? e.on : e.off;
    else if (e.kind == kChoose)
        value = e.on;
}

void runCommand(HWND window, int command) {
    const MenuEntry* e = findEntry(command);
    if (e)
        changeSetting(*e);
    else if (findZoomEntry(command))
        magnifier.settings.zoomCommand = command;
    updateView();
    if (e && e->then)
        e->then(window);
    showAllMarks(magnifier.settings);
}
