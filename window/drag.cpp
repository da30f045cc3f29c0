#include <windows.h>

#include "window/drag.h"

#include "window/state.h"
#include "window/surfaces.h"
#include "window/timer.h"

// How long the hidden window is given to vanish from the screen before the snapshot.
static const DWORD kHideSettleMs = 100;

static HBITMAP snapshotBitmap;

// The whole virtual screen, every monitor, read in screen coordinates, becomes the source.
static void takeDragSnapshot() {
    Surfaces& s = magnifier.surfaces;
    // A press while a snapshot still stands replaces it; each is freed exactly once.
    if (s.snapshotDC)
        dropDragSnapshot();
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HDC screen = openScreenDC();
    closeScreenDC(s.sourceDC);
    s.snapshotDC = CreateCompatibleDC(screen);
    snapshotBitmap = CreateCompatibleBitmap(s.windowDC ? s.windowDC : screen, width, height);
    SelectObject(s.snapshotDC, snapshotBitmap);
    SetWindowOrgEx(s.snapshotDC, left, top, nullptr);
    BitBlt(s.snapshotDC, left, top, width, height, screen, left, top, SRCCOPY);
    closeScreenDC(screen);
    s.sourceDC = s.snapshotDC;
}

void dropDragSnapshot() {
    Surfaces& s = magnifier.surfaces;
    if (!s.snapshotDC)
        return;
    // The surfaces may have been reopened during the drag; only a source that is still the
    // snapshot is replaced by the screen.
    BOOL sourceIsSnapshot = s.sourceDC == s.snapshotDC;
    DeleteDC(s.snapshotDC);
    DeleteObject(snapshotBitmap);
    s.snapshotDC = nullptr;
    snapshotBitmap = nullptr;
    if (sourceIsSnapshot)
        s.sourceDC = openScreenDC();
}

static void moveWithCursor(HWND window) {
    Settings& s = magnifier.settings;
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return;  // the window stays where it is
    s.windowX = cursor.x - session.dragOffsetX;
    s.windowY = cursor.y - session.dragOffsetY;
    MoveWindow(window, s.windowX, s.windowY, s.windowWidth, s.windowHeight, TRUE);
}

static void snapshotBeneathWindow(HWND window, POINT cursor) {
    ShowWindow(window, SW_HIDE);
    Sleep(kHideSettleMs);
    takeDragSnapshot();
    ShowWindow(window, SW_RESTORE);
    SetCursorPos(cursor.x, cursor.y);
    redrawFrame(window);  // no hiding while the drag runs
}

void onDragPress(HWND window) {
    // A press whose drag never saw its release ends that drag first.
    onDragRelease(window);
    RECT rect;
    POINT cursor;
    if (!GetWindowRect(window, &rect) || !GetCursorPos(&cursor))
        return;  // no grab point: no drag
    session.dragging = 1;
    session.dragOffsetX = cursor.x - rect.left;
    session.dragOffsetY = cursor.y - rect.top;
    if (magnifier.settings.seeThroughDrag)
        snapshotBeneathWindow(window, cursor);
    SetCapture(window);
}

void onDragMove(HWND window) {
    if (session.dragging)
        moveWithCursor(window);
}

void onDragRelease(HWND window) {
    if (!session.dragging)
        return;
    session.dragging = 0;
    dropDragSnapshot();
    ReleaseCapture();
    redrawFrame(window);
}

void onDragCaptureLost(HWND window, HWND newCapture) {
    if (session.dragging && newCapture != window)
        onDragRelease(window);
}
