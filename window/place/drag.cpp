#include <windows.h>

#include "window/place/drag.h"

#include "window/state.h"
#include "window/frame/surfaces.h"
#include "window/frame/timer.h"

// How long the hidden window is given to vanish from the screen before the snapshot.
static const DWORD kHideSettleMs = 100;

// A see-through drag's picture of the whole virtual screen, lent to the frames as their source
// while it stands.
struct Snapshot {
    HDC dc;
    HBITMAP bitmap;
};
static Snapshot snapshot;

// Every monitor, read in screen coordinates.
static void takeDragSnapshot() {
    // A press while a snapshot still stands replaces it; each is freed exactly once.
    dropDragSnapshot();
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HDC screen = openScreenDC();
    HDC windowDC = magnifier.surfaces.windowDC;
    snapshot.dc = CreateCompatibleDC(screen);
    snapshot.bitmap = CreateCompatibleBitmap(windowDC ? windowDC : screen, width, height);
    SelectObject(snapshot.dc, snapshot.bitmap);
    SetWindowOrgEx(snapshot.dc, left, top, nullptr);
    BitBlt(snapshot.dc, left, top, width, height, screen, left, top, SRCCOPY);
    closeScreenDC(screen);
    lendSource(snapshot.dc);
}

void dropDragSnapshot() {
    if (!snapshot.dc)
        return;
    giveSourceBack();
    DeleteDC(snapshot.dc);
    DeleteObject(snapshot.bitmap);
    snapshot = {};
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
