#include <windows.h>

#include "window/dialog.h"

#include "app/settings.h"
#include "common/inifile.h"
#include "common/shared.h"
#include "app/tray.h"
#include "common/texts.h"
#include "common/texts.h"
#include "res/resource.h"
#include "view/geometry.h"
#include "view/readout.h"
#include "view/render.h"
#include "view/surfaces.h"
#include "window/drag.h"
#include "window/menus.h"
#include "window/platform.h"

void applySizingBorder(HWND window, MagnifierState* state) {
    LONG style = GetWindowLongW(window, GWL_STYLE);
    if (style == 0)
        return;
    if (state->sizeFixed)
        style &= ~WS_THICKFRAME;
    else
        style |= WS_THICKFRAME;
    SetWindowLongW(window, GWL_STYLE, style);
}

static INT_PTR onInitDialog(HWND dlg) {
    MagnifierState* s = &magnifier;
    s->windowDC = nullptr;
    MoveWindow(dlg, s->windowX, s->windowY, s->viewWidth, s->viewHeight, FALSE);
    lastCursorX = 0;
    lastCursorY = 0;
    stillTicks = 0;
    buildMenus(s);
    // The posted always-on-top command flips isTop back and applies the loaded z-order once
    // the window is shown.
    s->isTop = s->isTop == 0 ? 1 : 0;
    PostMessageW(dlg, WM_COMMAND, ID_ALWAYS_TOP, 0);
    setMainMenuCheck(ID_CROSS, s->isCross != 0);
    setMainMenuCheck(IDOJI_TOKA, s->seeThroughDrag != 0);
    selectZoom(s->zoomCommand, s);
    setMainMenuCheck(ID_SIZE_FIXED, s->sizeFixed != 0);
    registerHotkey(dlg);
    SetPropW(dlg, kMagnifierWindowProperty, dlg);
    applySizingBorder(dlg, s);
    askForSquareCorners(dlg);
    keepDialogUnscaled(dlg);
    timerId = SetTimer(dlg, kMagnifyTimer, s->intervalMs, nullptr);
    return TRUE;
}

static INT_PTR onSize(HWND dlg, WPARAM sizeType) {
    MagnifierState* s = &magnifier;
    if (sizeType == SIZE_RESTORED) {
        timerId = SetTimer(dlg, kMagnifyTimer, s->intervalMs, nullptr);
        // Restored from its taskbar button (or by anyone): a tool window again, once the
        // restore is over.
        if (GetWindowLongW(dlg, GWL_EXSTYLE) & WS_EX_APPWINDOW)
            PostMessageW(dlg, WM_DROPTASKBARBUTTON, 0, 0);
    }
    if (!s->sizeFixed) {
        RECT rect;
        GetWindowRect(dlg, &rect);
        int width = rect.right - rect.left;
        int height = rect.bottom - rect.top;
        if (width != magnifier.windowWidth || height != magnifier.windowHeight) {
            magnifier.windowWidth = s->viewWidth = width;
            magnifier.windowHeight = s->viewHeight = height;
            computeGeometry(s);
            closeSurfaces(dlg, s);
            openSurfaces(dlg, s);
        }
    }
    restartTimer(dlg, 0);
    return TRUE;
}

static INT_PTR onWindowPosChanging(LPARAM lParam) {
    snapWindowSize(reinterpret_cast<WINDOWPOS*>(lParam));
    return TRUE;
}

// The error of the save at the window's end, told once the window has gone.
static DWORD finalSaveError;

// Takes the window's position, hidden or not, and writes the settings file; 0 or the error.
static DWORD saveWindowAndSettings(HWND dlg) {
    RECT rect;
    GetWindowRect(dlg, &rect);
    magnifier.windowX = rect.left;
    magnifier.windowY = rect.top;
    return saveSettings();
}

void reportUnsavedSettings() {
    if (finalSaveError == 0)
        return;
    wchar_t message[1024];
    describeSaveFailure(message, ARRAYSIZE(message), magnifier.iniPath, finalSaveError);
    MessageBoxW(nullptr, message, texts().displayName,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TOPMOST);
}

static INT_PTR onDestroy(HWND dlg) {
    MagnifierState* s = &magnifier;
    removeTrayIcon(dlg);
    dropDragSnapshot(dlg, s);
    closeSurfaces(dlg, s);
    finalSaveError = saveWindowAndSettings(dlg);
    if (timerId != 0)
        KillTimer(dlg, timerId);
    destroyMenus();
    RemovePropW(dlg, kMagnifierWindowProperty);
    PostQuitMessage(0);
    return TRUE;
}

static INT_PTR onCommand(HWND dlg, WPARAM wParam) {
    runCommand(dlg, LOWORD(wParam));
    return TRUE;
}

static INT_PTR onTimer(HWND dlg) {
    return magnifyTick(dlg);
}

static INT_PTR onMouseMove(HWND dlg) {
    onDragMove(dlg);
    return TRUE;
}

static INT_PTR onLButtonDown(HWND dlg) {
    onDragPress(dlg);
    return TRUE;
}

static INT_PTR onLButtonUp(HWND dlg) {
    onDragRelease(dlg);
    return TRUE;
}

static INT_PTR onCaptureChanged(HWND dlg, LPARAM newCapture) {
    onDragCaptureLost(dlg, reinterpret_cast<HWND>(newCapture));
    return TRUE;
}

// The right button released opens the main menu, unless the left button alone is held.
static INT_PTR onRButtonUp(HWND dlg, WPARAM keys) {
    if (keys != MK_LBUTTON)
        showMainMenu(dlg);
    return TRUE;
}

static INT_PTR onHotkey(HWND dlg, WPARAM id) {
    switch ((int)id) {
        case kHotkeyId: toggleHidden(dlg); break;
        case kFreezeHotkeyId: frozen = !frozen; break;
        case kCopyHotkeyId: copyReadout(dlg, &magnifier); break;
    }
    return TRUE;
}

static INT_PTR onMouseWheel(HWND dlg, WPARAM wParam) {
    stepZoom(dlg, GET_WHEEL_DELTA_WPARAM(wParam));
    return TRUE;
}

static INT_PTR onTrayNotify(HWND dlg, LPARAM mouseMessage) {
    onTrayMouse(dlg, mouseMessage);
    return TRUE;
}

// At logoff or shutdown the process is ended without WM_DESTROY: the settings are written
// here, once the session is known to end. Nothing may wait for the user then, so a failure
// goes untold. Nothing may wait for the user then, so a failure
// goes untold.
static INT_PTR onEndSession(HWND dlg, WPARAM ending) {
    if (ending)
        saveWindowAndSettings(dlg);
    return TRUE;
}

// A new display resolution takes effect in the clamping at once.
static INT_PTR onDisplayChange() {
    computeGeometry(&magnifier);
    return TRUE;
}

static INT_PTR onDropTaskbarButton(HWND dlg) {
    dropTaskbarButton(dlg);
    return TRUE;
}

// Moved to a monitor of another scale, or the scale changed: the window keeps its size and
// its true pixels; the readout's label and the icon are made again at the new scale.
static INT_PTR onDpiChanged(HWND dlg) {
    closeSurfaces(dlg, &magnifier);
    openSurfaces(dlg, &magnifier);
    updateTrayIcon(dlg);
    return TRUE;
}

static INT_PTR onTaskbarCreatedMessage(HWND dlg) {
    onTaskbarCreated(dlg);
    return FALSE;
}

INT_PTR CALLBACK magnifierDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    if (message == taskbarCreated)
        return onTaskbarCreatedMessage(dlg);
    switch (message) {
        case WM_DESTROY: return onDestroy(dlg);
        case WM_SIZE: return onSize(dlg, wParam);
        case WM_WINDOWPOSCHANGING: return onWindowPosChanging(lParam);
        case WM_INITDIALOG: return onInitDialog(dlg);
        case WM_COMMAND: return onCommand(dlg, wParam);
        case WM_TIMER: return onTimer(dlg);
        case WM_MOUSEMOVE: return onMouseMove(dlg);
        case WM_LBUTTONDOWN: return onLButtonDown(dlg);
        case WM_LBUTTONUP: return onLButtonUp(dlg);
        case WM_CAPTURECHANGED: return onCaptureChanged(dlg, lParam);
        case WM_RBUTTONUP: return onRButtonUp(dlg, wParam);
        case WM_HOTKEY: return onHotkey(dlg, wParam);
        case WM_MOUSEWHEEL: return onMouseWheel(dlg, wParam);
        case WM_TRAYNOTIFY: return onTrayNotify(dlg, lParam);
        case WM_ENDSESSION: return onEndSession(dlg, wParam);
        case WM_DISPLAYCHANGE: return onDisplayChange();
        case WM_DROPTASKBARBUTTON: return onDropTaskbarButton(dlg);
        case WM_DPICHANGED: return onDpiChanged(dlg);
        default: return FALSE;
    }
}
