#include <windows.h>

#include <windowsx.h>
#include <wtsapi32.h>

#include "window/dialog/dialog.h"

#include "common/shared.h"
#include "res/resource.h"
#include "window/dialog/keyactions.h"
#include "window/dialog/menus.h"
#include "window/dialog/settings.h"
#include "window/frame/surfaces.h"
#include "window/frame/tick.h"
#include "window/frame/timer.h"
#include "window/frame/view.h"
#include "window/keys/focus.h"
#include "window/keys/hotkeys.h"
#include "window/keys/loupe.h"
#include "window/place/drag.h"
#include "window/place/hiding.h"
#include "window/place/lens.h"
#include "window/place/placement.h"
#include "window/place/sizing.h"
#include "window/place/taskbar.h"
#include "window/platform.h"
#include "window/shell/tray.h"
#include "window/shell/trayicon.h"
#include "window/state.h"

// The error of the save at the window's end, told once the window has gone.
static DWORD finalSaveError;

static INT_PTR onInitDialog(HWND dlg) {
    Settings& s = magnifier.settings;
    MoveWindow(dlg, s.windowX, s.windowY, magnifier.view.viewWidth, magnifier.view.viewHeight,
               FALSE);
    forgetLastCursor();
    buildMenus();
    // The posted always-on-top command flips isTop back and applies the loaded z-order once
    // the window is shown.
    s.isTop = s.isTop == 0 ? 1 : 0;
    PostMessageW(dlg, WM_COMMAND, ID_ALWAYS_TOP, 0);
    registerHotkeys(dlg, kWhileRunning);
    SetPropW(dlg, kMagnifierWindowProperty, dlg);
    allowMessagesFromLowerIntegrity(dlg);
    WTSRegisterSessionNotification(dlg, NOTIFY_FOR_THIS_SESSION);
    askForSquareCorners(dlg);
    keepDialogUnscaled(dlg);
    if (s.excludeSelf)
        leaveOutOfCaptures(dlg, TRUE);
    startFollowingFocus(dlg);
    startTicking(dlg);
    return TRUE;
}

// A size the user dragged to (the snapped one) becomes the view's.
static void takeNewSize(HWND dlg) {
    RECT rect;
    GetWindowRect(dlg, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    Settings& s = magnifier.settings;
    if (width == s.windowWidth && height == s.windowHeight)
        return;
    s.windowWidth = width;
    s.windowHeight = height;
    resizeView(width, height);
    closeSurfaces(dlg, &magnifier);
    openSurfaces(dlg, &magnifier);
}

// Only a restored window's size is the user's: a minimised or maximised one keeps the view
// as it was, to be found again when the window is restored.
static INT_PTR onSize(HWND dlg, WPARAM sizeType) {
    if (sizeType == SIZE_MINIMIZED)
        return TRUE;
    if (sizeType == SIZE_RESTORED) {
        startTicking(dlg);
        // Restored from its taskbar button (or by anyone): a tool window again, once the
        // restore is over.
        if (GetWindowLongW(dlg, GWL_EXSTYLE) & WS_EX_APPWINDOW)
            PostMessageW(dlg, WM_DROPTASKBARBUTTON, 0, 0);
        if (!magnifier.settings.sizeFixed)
            takeNewSize(dlg);
    }
    redrawFrame(dlg);
    return TRUE;
}

static INT_PTR onPaint(HWND dlg) {
    PAINTSTRUCT paint;
    BeginPaint(dlg, &paint);
    paintLastFrame(dlg);
    EndPaint(dlg, &paint);
    return TRUE;
}

static INT_PTR onNcHitTest(HWND dlg, LPARAM lParam) {
    return answerSizingHitTest(dlg, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
}

static INT_PTR onWindowPosChanging(LPARAM lParam) {
    snapWindowSize(reinterpret_cast<WINDOWPOS*>(lParam));
    return TRUE;
}

static INT_PTR onEnterSizeMove(HWND dlg) {
    startUserSizing(dlg);
    return TRUE;
}

static INT_PTR onExitSizeMove() {
    endUserSizing();
    return TRUE;
}

// The edge the user drags moves by whole zoom steps; the opposite one stays put.
static INT_PTR onSizing(HWND dlg, WPARAM edge, LPARAM rect) {
    snapUserSizing((int)edge, reinterpret_cast<RECT*>(rect));
    SetWindowLongPtrW(dlg, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

// Takes the window's position, hidden, minimised or not (the lens's: where it was before), and
// writes the settings file; 0 or the error.
static DWORD saveWindowAndSettings(HWND dlg) {
    POINT home = windowHome(dlg);
    magnifier.settings.windowX = home.x;
    magnifier.settings.windowY = home.y;
    return saveSettings();
}

void reportUnsavedSettings() {
    tellSaveFailure(finalSaveError);
}

static INT_PTR onDestroy(HWND dlg) {
    WTSUnRegisterSessionNotification(dlg);
    endPickMode(dlg);
    stopFollowingFocus();
    dropTrayIcon(dlg);
    dropDragSnapshot();
    closeSurfaces(dlg, &magnifier);
    finalSaveError = saveWindowAndSettings(dlg);
    stopTicking(dlg);
    destroyMenus();
    RemovePropW(dlg, kMagnifierWindowProperty);
    PostQuitMessage(0);
    return TRUE;
}

static INT_PTR onCommand(HWND dlg, WPARAM wParam) {
    runCommand(dlg, LOWORD(wParam));
    return TRUE;
}

// A hidden window (also one started hidden) goes (back) to the icon instead of ticking. The
// lens goes beside the source of a frame; off, it costs the flag's test.
static INT_PTR onTimer(HWND dlg, WPARAM id) {
    if (id == kIconTimer) {
        tryTrayIconAgain(dlg);
        return TRUE;
    }
    if (session.hiddenInTray) {
        hideOrMinimize(dlg);
        return FALSE;
    }
    BOOL rendered = magnifyTick(dlg);
    if (session.lensOn && rendered)
        carryLens(dlg);
    return rendered;
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

// Pick mode's keys move the cursor, and the lens with it.
static INT_PTR onHotkey(HWND dlg, WPARAM id) {
    runHotkey(dlg, (int)id);
    carryLens(dlg);
    return TRUE;
}

static INT_PTR onMouseWheel(HWND dlg, WPARAM wParam) {
    stepZoom(dlg, GET_WHEEL_DELTA_WPARAM(wParam));
    return TRUE;
}

// The icon's clicks: the left button hides or restores; the right button opens the short
// menu on a hidden window's icon, the main menu (restoring the window first) on a shown one's.
static INT_PTR onTrayNotify(HWND dlg, LPARAM mouseMessage) {
    if (mouseMessage == WM_LBUTTONDOWN) {
        toggleHidden(dlg);
    } else if (mouseMessage == WM_RBUTTONDOWN && session.hiddenInTray) {
        showTrayMenu(dlg);
    } else if (mouseMessage == WM_RBUTTONDOWN) {
        restoreWindow(dlg);
        showMainMenu(dlg);
    }
    return TRUE;
}

// At logoff or shutdown the process is ended without WM_DESTROY: the settings are written
// here, once the session is known to end. Nothing may wait for the user then, so a failure
// goes untold.
static INT_PTR onEndSession(HWND dlg, WPARAM ending) {
    if (ending)
        saveWindowAndSettings(dlg);
    return TRUE;
}

// A new display resolution takes effect in the clamping at once, and in the lens's place.
static INT_PTR onDisplayChange() {
    updateViewForDisplay();
    forgetLensPlace();
    return TRUE;
}

// The taskbar moved or changed its size: the lens keeps to the new work area.
static INT_PTR onSettingChange(WPARAM action) {
    if (action == SPI_SETWORKAREA)
        forgetLensPlace();
    return FALSE;
}

static INT_PTR onDropTaskbarButton(HWND dlg) {
    dropTaskbarButton(dlg);
    return TRUE;
}

// Moved to a monitor of another scale, or the scale changed: the window keeps its size and
// its true pixels; the readout's label and the icon are made again at the new scale.
static INT_PTR onDpiChanged(HWND dlg) {
    updateViewForDisplay();  // the monitor's scale, for the measure
    closeSurfaces(dlg, &magnifier);
    openSurfaces(dlg, &magnifier);
    if (session.trayIconAdded)
        changeTrayIcon(dlg);
    renderNow(dlg);
    forgetLensPlace();  // its gap is the new scale's
    return TRUE;
}

// Pick mode holds the arrows, Enter and Esc: they are given back before the lock screen or
// another user's session takes the keyboard.
static INT_PTR onSessionChange(HWND dlg, WPARAM change) {
    if (change == WTS_SESSION_LOCK || change == WTS_CONSOLE_DISCONNECT ||
        change == WTS_REMOTE_DISCONNECT)
        endPickMode(dlg);
    return TRUE;
}

static INT_PTR onFocusPlace() {
    takePostedFocusPlace();
    return TRUE;
}

static INT_PTR onTaskbarCreatedMessage(HWND dlg) {
    onShellRestarted(dlg);
    return FALSE;
}

INT_PTR CALLBACK magnifierDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage())
        return onTaskbarCreatedMessage(dlg);
    switch (message) {
        case WM_DESTROY: return onDestroy(dlg);
        case WM_SIZE: return onSize(dlg, wParam);
        case WM_PAINT: return onPaint(dlg);
        case WM_WINDOWPOSCHANGING: return onWindowPosChanging(lParam);
        case WM_ENTERSIZEMOVE: return onEnterSizeMove(dlg);
        case WM_EXITSIZEMOVE: return onExitSizeMove();
        case WM_SIZING: return onSizing(dlg, wParam, lParam);
        case WM_INITDIALOG: return onInitDialog(dlg);
        case WM_COMMAND: return onCommand(dlg, wParam);
        case WM_TIMER: return onTimer(dlg, wParam);
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
        case WM_SETTINGCHANGE: return onSettingChange(wParam);
        case WM_DROPTASKBARBUTTON: return onDropTaskbarButton(dlg);
        case WM_DPICHANGED: return onDpiChanged(dlg);
        case WM_NCHITTEST: return onNcHitTest(dlg, lParam);
        case WM_WTSSESSION_CHANGE: return onSessionChange(dlg, wParam);
        case WM_FOCUSPLACE: return onFocusPlace();
        default: return FALSE;
    }
}
