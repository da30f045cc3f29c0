#include <windows.h>

#include "app/settings.h"

#include "app/shared.h"
#include "common/texts.h"
#include "res/resource.h"

// Sensible ranges: window sizes from the smallest a snap yields at 16x to beyond any screen,
// positions within the range the window manager handles.
static const int kMinWindowSize = 32;
static const int kMaxWindowSize = 8192;
static const int kMaxCoordinate = 32000;

static int readKey(const wchar_t* key, int defaultValue) {
    return readSettingInt(magnifier.iniPath, key, defaultValue);
}

// Writes every key even after a failure; the first failure's error is kept.
static void writeKey(const wchar_t* key, int value, DWORD* error) {
    DWORD result = writeSettingInt(magnifier.iniPath, key, value);
    if (*error == 0)
        *error = result;
}

// Moves a stored rectangle that no monitor shows onto the nearest monitor's work area.
static void keepWindowOnAMonitor(MagnifierState* state) {
    RECT rect = {state->windowX, state->windowY, state->windowX + windowWidth,
                 state->windowY + windowHeight};
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return;
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
        return;
    // A window larger than the work area keeps its left or top edge on it.
    const RECT& work = info.rcWork;
    int maxX = work.right - windowWidth > work.left ? work.right - windowWidth : work.left;
    int maxY = work.bottom - windowHeight > work.top ? work.bottom - windowHeight : work.top;
    state->windowX = clampInt(state->windowX, work.left, maxX);
    state->windowY = clampInt(state->windowY, work.top, maxY);
}

void sanitizeSettings(MagnifierState* state) {
    windowWidth = clampInt(windowWidth, kMinWindowSize, kMaxWindowSize);
    windowHeight = clampInt(windowHeight, kMinWindowSize, kMaxWindowSize);
    state->viewWidth = windowWidth;
    state->viewHeight = windowHeight;
    state->intervalMs = clampInt(state->intervalMs, kMinIntervalMs, kMaxIntervalMs);
    state->windowX = clampInt(state->windowX, -kMaxCoordinate, kMaxCoordinate);
    state->windowY = clampInt(state->windowY, -kMaxCoordinate, kMaxCoordinate);
    keepWindowOnAMonitor(state);
}

void loadSettings() {
    MagnifierState* s = &magnifier;
    currentSettingsPath(s->iniPath);
    chooseFaceFromSettings(s->iniPath);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    s->windowX = readKey(L"X", 0);
    s->windowY = readKey(L"Y", 0);
    s->rop = (DWORD)readKey(L"ROP", SRCCOPY);
    s->frameStyle = readKey(L"FRAME", 1);
    s->seeThroughDrag = readKey(L"ISTOKA", 0);
    s->frameWidth = s->frameStyle != 0 ? 1 : 0;
    s->sizeFixed = readKey(L"WSIZE", 1);
    s->isTop = readKey(L"IsTop", 1);
    s->isCross = readKey(L"IsCross", 0);
    s->zoomCommand = readKey(L"ZOOM", ID_ZOOM_2);
    windowWidth = readKey(L"WIDTH", 194);
    windowHeight = readKey(L"HEIGHT", 130);
    s->viewWidth = windowWidth;
    s->viewHeight = windowHeight;
    s->intervalMs = readKey(L"INT_TIME", kDefaultIntervalMs);
    s->dragOffsetY = 0;
    s->dragOffsetX = 0;
    s->penColor = (COLORREF)readKey(L"COLOR", kDefaultPenColor);
    s->hotkeyEnabled = readKey(L"VK_SPACE", kDefaultHotkeyEnabled);
    s->showInfo = readKey(L"INFO", 0);
    s->freezeHotkey = readKey(L"HK_FREEZE", 0);
    s->copyHotkey = readKey(L"HK_COPY", 0);
    sanitizeSettings(s);
}

DWORD saveSettings() {
    const MagnifierState* s = &magnifier;
    DWORD error = 0;
    writeKey(L"WSIZE", s->sizeFixed, &error);
    writeKey(L"X", s->windowX, &error);
    writeKey(L"Y", s->windowY, &error);
    writeKey(L"IsTop", s->isTop, &error);
    writeKey(L"ZOOM", s->zoomCommand, &error);
    writeKey(L"INT_TIME", s->intervalMs, &error);
    writeKey(L"IsCross", s->isCross, &error);
    writeKey(L"WIDTH", windowWidth, &error);
    writeKey(L"HEIGHT", windowHeight, &error);
    writeKey(L"ROP", (int)s->rop, &error);
    writeKey(L"FRAME", s->frameStyle, &error);
    writeKey(L"ISTOKA", s->seeThroughDrag, &error);
    return error;
}
