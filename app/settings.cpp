#include <windows.h>

#include "app/settings.h"

#include "common/shared.h"
#include "common/inifile.h"
#include "common/settings.h"
#include "common/texts.h"

// Moves a stored rectangle that no monitor shows onto the nearest monitor's work area.
static void keepWindowOnAMonitor(MagnifierState* state) {
    RECT rect = {state->windowX, state->windowY, state->windowX + state->windowWidth,
                 state->windowY + state->windowHeight};
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return;
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return;
    // A window larger than the work area keeps its left or top edge on it.
    const RECT& work = info.rcWork;
    int maxX =
        work.right - state->windowWidth > work.left ? work.right - state->windowWidth : work.left;
    int maxY =
        work.bottom - state->windowHeight > work.top ? work.bottom - state->windowHeight : work.top;
    state->windowX = clampInt(state->windowX, work.left, maxX);
    state->windowY = clampInt(state->windowY, work.top, maxY);
}

void sanitizeSettings(MagnifierState* state) {
    state->viewWidth = state->windowWidth;
    state->viewHeight = state->windowHeight;
    keepWindowOnAMonitor(state);
}

void loadSettings() {
    MagnifierState* s = &magnifier;
    currentSettingsPath(s->iniPath);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    readSettings(s->iniPath, s);
    setLanguage(languageFor(s->language, GetUserDefaultUILanguage()));
    s->frameWidth = s->frameStyle != 0 ? 1 : 0;
    s->dragOffsetY = 0;
    s->dragOffsetX = 0;
    sanitizeSettings(s);
}

DWORD saveSettings() {
    return writeSettings(magnifier.iniPath, magnifier, kMagnifierWrites);
}
