#include <windows.h>

#include "window/drag.h"

#include "view/surfaces.h"

// How long the hidden window is given to vanish from the screen before the snapshot.
static const DWORD kHideSettleMs = 100;

HDC snapshotDC;

void takeDragSnapshot(HWND, MagnifierState* state) {
    if (!state->seeThroughDrag)
        return;
    // A press while a snapshot still stands replaces it; each is freed exactly once.
    if (snapshotDC)
        dropDragSnapshot(nullptr, state);
    // The whole virtual screen, every monitor, read in screen coordinates.
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    HDC screen = openScreenDC();
    closeScreenDC(state->sourceDC);
    snapshotDC = CreateCompatibleDC(screen);
    snapshotBitmap =
        CreateCompatibleBitmap(state->windowDC ? state->windowDC : screen, width, height);
    SelectObject(snapshotDC, snapshotBitmap);
    SetWindowOrgEx(snapshotDC, left, top, nullptr);
    BitBlt(snapshotDC, left, top, width, height, screen, left, top, SRCCOPY);
    closeScreenDC(screen);
    state->sourceDC = snapshotDC;
}

void dropDragSnapshot(HWND, MagnifierState* state) {
    if (!snapshotDC)
        return;
    // The surfaces may have been reopened during the drag; only a source that is still the
    // snapshot is replaced by the screen.
    BOOL sourceIsSnapshot = state->sourceDC == snapshotDC;
    DeleteDC(snapshotDC);
    DeleteObject(snapshotBitmap);
    snapshotDC = nullptr;
    snapshotBitmap = nullptr;
    if (sourceIsSnapshot)
        state->sourceDC = openScreenDC();
}

void moveWithCursor(HWND window) {
    POINT cursor;
    if (!GetCursorPos(&cursor))
        return;  // the window stays where it is
    magnifier.windowX = cursor.x - magnifier.dragOffsetX;
    magnifier.windowY = cursor.y - magnifier.dragOffsetY;
    MoveWindow(window, magnifier.windowX, magnifier.windowY, magnifier.windowWidth, magnifier.windowHeight, TRUE);
}

static void snapshotBeneathWindow(HWND window, POINT cursor) {
    ShowWindow(window, SW_HIDE);
    Sleep(kHideSettleMs);
    takeDragSnapshot(window, &magnifier);
    ShowWindow(window, SW_RESTORE);
    SetCursorPos(cursor.x, cursor.y);
    restartTimer(window, 1);
}

void onDragPress(HWND window) {
    // A press whose drag never saw its release ends that drag first.
    onDragRelease(window);
    RECT rect;
    POINT cursor;
    if (!GetWindowRect(window, &rect) || !GetCursorPos(&cursor))
        return;  // no grab point: no drag
    dragging = 1;
    magnifier.dragOffsetX = cursor.x - rect.left;
    magnifier.dragOffsetY = cursor.y - rect.top;
    if (magnifier.seeThroughDrag)
        snapshotBeneathWindow(window, cursor);
    SetCapture(window);
}

void onDragMove(HWND window) {
    if (dragging)
        moveWithCursor(window);
}

void onDragRelease(HWND window) {
    if (!dragging)
        return;
    dragging = 0;
    dropDragSnapshot(window, &magnifier);
    ReleaseCapture();
    restartTimer(window, 0);
}

void onDragCaptureLost(HWND window, HWND newCapture) {
    if (dragging && newCapture != window)
        onDragRelease(window);
}
