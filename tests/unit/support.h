// What the unit tests share: a fresh state loaded from given settings, frames rendered into
// memory, and the real magnifier window made from its template.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include <doctest/doctest.h>

#include "common/settings.h"
#include "res/resource.h"
#include "tests/common/pattern.h"
#include "view/geometry.h"
#include "view/render.h"
#include "window/dialog/dialog.h"
#include "window/dialog/menus.h"
#include "window/dialog/settings.h"
#include "window/frame/view.h"
#include "window/place/placement.h"
#include "window/state.h"

// A fresh process's state, then loadSettings in a scratch directory whose QILO.INI holds the
// [INIT] keys given as "key=value\0" pairs (no file when null), as the program does at start.
inline void loadSettingsFrom(const char* keys) {
    char directory[MAX_PATH], previous[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    lstrcatA(directory, "qilo-unit");
    CreateDirectoryA(directory, nullptr);
    std::string file = std::string(directory) + "\\QILO.INI";
    DeleteFileA(file.c_str());
    if (keys)
        WritePrivateProfileSectionA("INIT", keys, file.c_str());
    magnifier = MagnifierState();
    session = Session();
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(directory);
    loadSettings();
    SetCurrentDirectoryA(previous);
}

// A frame's surfaces in memory: a 1024 x 768 "screen" of the pattern, the back buffer and the
// "window" of the size given; the settings are the defaults (no crosshair), 2x.
struct MemoryFrame {
    Dib screen{1024, 768}, back, window, smooth;

    explicit MemoryFrame(int width = 194, int height = 130)
        : back(width, height), window(width, height), smooth(width, height + 2) {
        screen.fill(0, 0);
        loadSettingsFrom(nullptr);
        magnifier.surfaces.sourceDC = screen.dc;
        magnifier.surfaces.backDC = back.dc;
        magnifier.surfaces.backBits = back.bits;
        magnifier.surfaces.windowDC = window.dc;
        magnifier.surfaces.smoothDC = smooth.dc;  // used while SMOOTH is on
        magnifier.surfaces.smoothBits = smooth.bits;
        updateView();
    }
};

// Where a frame's cursor is: (500, 300) in the middle, or on a source pixel at an edge.
enum CursorPlace { kMiddle, kLeftEdge, kRightEdge, kTopEdge, kBottomEdge };

// A frame at the zoom round (500, 300) over a screen of one colour but for the patch of 5 x 5
// whose middle is the cursor; the settings as given.
struct FlatFrame : MemoryFrame {
    // clang-format off
    FlatFrame(int zoomCommand, const char* patch, int grid = 0, int averageSize = 1,
              CursorPlace place = kMiddle, int viewHeight = 130, int frameWidth = 1, int smooth = 0) {
        // clang-format on
        screen.fill(RGB(90, 120, 150));
        magnifier.settings.frameStyle = frameWidth;
        magnifier.settings.showInfo = 1;
        magnifier.settings.grid = grid;
        magnifier.settings.smooth = smooth;
        magnifier.settings.averageSize = averageSize;
        magnifier.settings.zoomCommand = zoomCommand;
        resizeView(magnifier.view.viewWidth, viewHeight);
        View& v = magnifier.view;
        v.srcX = 500 - v.srcHalfWidth, v.srcY = 300 - v.srcHalfHeight;
        const POINT places[] = {{500, 300},
                                {v.srcX, 300},
                                {v.srcX + v.srcWidth - 1, 300},
                                {500, v.srcY},
                                {500, v.srcY + v.srcHeight - 1}};
        v.pointX = places[place].x, v.pointY = places[place].y;
        v.monitor = {0, 0, 1024, 768};
        for (int i = 0; patch[i]; ++i)  // greys read the same either way round
            screen.bits[(v.pointY - 2 + i / 5) * screen.width + v.pointX - 2 + i % 5] =
                patch[i] == 'b'   ? 0
                : patch[i] == 'g' ? 0x2B2B2B
                                  : 0xFFFFFF;
        renderFrame(&magnifier, framePartsNow(TRUE));
    }
};

// The real magnifier window, made from its template with its dialog procedure, with the
// settings given; it registers no hot key.
struct LiveWindow {
    HWND window;

    explicit LiveWindow(const char* keys) {
        loadSettingsFrom(keys);
        magnifier.settings.hotkeyEnabled = 0;
        window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAGNIFIER),
                                    nullptr, magnifierDialogProc, 0);
        ShowWindow(window, SW_SHOW);
        updateView();
        pump();  // the always-on-top command posted at initialisation
    }
    ~LiveWindow() {
        DestroyWindow(window);
        pump();
    }
    static void pump() {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageA(&msg);
    }
};

// The check marks as initials: T always on top, C crosshair, F fixed size, I inverted,
// S see-through, X own window left out, L the lens (l in the icon's menu), N no frame, B black
// frame, then the zoom entry's factor.
inline std::string checkMarks() {
    const struct {
        HMENU menu;
        UINT id;
        char initial;
    } entries[] = {{mainMenu, ID_ALWAYS_TOP, 'T'},  {mainMenu, ID_CROSS, 'C'},
                   {mainMenu, ID_SIZE_FIXED, 'F'},  {mainMenu, ID_INVERT, 'I'},
                   {mainMenu, IDOJI_TOKA, 'S'},     {mainMenu, ID_EXCLUDE_SELF, 'X'},
                   {mainMenu, ID_LENS, 'L'},        {trayMenu, ID_LENS, 'l'},
                   {frameMenu, ID_FRAME_NONE, 'N'}, {frameMenu, ID_FRAME_BLACK, 'B'}};
    std::string marks;
    for (const auto& e : entries) {
        if (GetMenuState(e.menu, e.id, MF_BYCOMMAND) & MF_CHECKED)
            marks += e.initial;
    }
    for (const ZoomEntry& e : zoomTable) {
        if (GetMenuState(zoomMenu, e.command, MF_BYCOMMAND) & MF_CHECKED)
            marks += " x" + std::to_string(e.factor);
    }
    return marks;
}
