#include <windows.h>

#include "view/surfaces.h"

#include "view/readout.h"

// The screen DC addresses the screen as the system does, with its origin at the primary
// monitor's corner on every system; one made with CreateDC("DISPLAY") may start at the
// virtual screen's corner instead.
HDC openScreenDC() {
    return GetDC(nullptr);
}

void closeScreenDC(HDC dc) {
    ReleaseDC(nullptr, dc);
}

// The DPI of the monitor the window is on (Windows 10 1607 and later), else the system's.
static int windowDpi(HWND window) {
    typedef UINT(WINAPI * DpiForWindow)(HWND);
    FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    UINT dpi = found ? reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(found))(window) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return (int)dpi;
}

void openSurfaces(HWND window, MagnifierState* state) {
    if (state->windowDC)
        return;
    BeginPaint(window, &paintStruct);
    // During a see-through drag the snapshot stays the source; it belongs to the drag.
    state->sourceDC = snapshotDC ? snapshotDC : openScreenDC();
    state->windowDC = GetWindowDC(window);
    state->backDC = CreateCompatibleDC(state->windowDC);
    state->backBitmap =
        CreateCompatibleBitmap(state->windowDC, state->viewWidth, state->viewHeight);
    SelectObject(state->backDC, state->backBitmap);
    oldPen = SelectObject(state->backDC, CreatePen(PS_SOLID, 1, state->penColor));
    openReadout(state, windowDpi(window));
}

void closeSurfaces(HWND window, MagnifierState* state) {
    closeReadout();
    frozen = 0;  // the held image goes with the back buffer
    if (state->backDC) {
        DeleteObject(SelectObject(state->backDC, oldPen));
        DeleteDC(state->backDC);
    }
    if (state->backBitmap)
        DeleteObject(state->backBitmap);
    if (state->sourceDC && state->sourceDC != snapshotDC)
        closeScreenDC(state->sourceDC);
    if (state->windowDC)
        ReleaseDC(window, state->windowDC);
    // Cleared so that a second close can never free a handle that has been reused since.
    state->backDC = nullptr;
    state->backBitmap = nullptr;
    state->sourceDC = nullptr;
    state->windowDC = nullptr;
    EndPaint(window, &paintStruct);
}

// The frame path along the outer edges; each LineTo leaves out its end point.
void drawFrame(HDC dc, int right, int bottom) {
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, right, 0);
    LineTo(dc, right, bottom);
    LineTo(dc, 0, bottom);
    LineTo(dc, 0, 0);
}

void restartTimer(HWND window, int flash) {
    if (hiddenInTray)
        return;
    KillTimer(window, timerId);
    timerId = 0;
    // Taken before the hide and show below, whose WM_SIZE may change the view size.
    int right = magnifier.viewWidth + 2 * magnifier.frameWidth;
    int bottom = magnifier.viewHeight + 2 * magnifier.frameWidth;
    if (flash && magnifier.frameStyle && !dragging) {
        ShowWindow(window, SW_HIDE);
        ShowWindow(window, SW_RESTORE);
    }
    if (magnifier.frameStyle == 1 && magnifier.windowDC) {
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        drawFrame(magnifier.windowDC, right, bottom);
        EndPaint(window, &ps);
    }
    timerId = SetTimer(window, kMagnifyTimer, magnifier.intervalMs, nullptr);
}

void applyWindowRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    magnifier.windowX = rect.left;
    magnifier.windowY = rect.top;
    magnifier.viewWidth = rect.right - rect.left;
    magnifier.viewHeight = rect.bottom - rect.top;
    closeSurfaces(window, &magnifier);
    openSurfaces(window, &magnifier);
    int margin = 2 * magnifier.frameWidth;
    MoveWindow(window, magnifier.windowX, magnifier.windowY, magnifier.viewWidth + margin,
               magnifier.viewHeight + margin, TRUE);
    restartTimer(window, 0);
}
