#include <windows.h>

#include "window/frame/timer.h"

#include "view/render.h"

void startTicking(HWND window) {
    session.timerId = SetTimer(window, kMagnifyTimer, magnifier.settings.intervalMs, nullptr);
}

void stopTicking(HWND window) {
    if (session.timerId != 0)
        KillTimer(window, session.timerId);
    session.timerId = 0;
}

static void restartTimerAndFrame(HWND window, BOOL flash) {
    if (session.hiddenInTray)
        return;
    stopTicking(window);
    const Settings& s = magnifier.settings;
    const View& view = magnifier.view;
    // Taken before the hide and show below, whose WM_SIZE may change the view size.
    int right = view.viewWidth + 2 * view.frameWidth;
    int bottom = view.viewHeight + 2 * view.frameWidth;
    if (flash && s.frameStyle && !session.dragging) {
        ShowWindow(window, SW_HIDE);
        ShowWindow(window, SW_RESTORE);
    }
    HDC windowDC = magnifier.surfaces.windowDC;
    if (s.frameStyle == 1 && windowDC)
        drawFrame(windowDC, right, bottom);
    startTicking(window);
}

void redrawFrame(HWND window) {
    restartTimerAndFrame(window, FALSE);
}

void flashAndRedrawFrame(HWND window) {
    restartTimerAndFrame(window, TRUE);
}
