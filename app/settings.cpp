#include <windows.h>

#include <string.h>

#include "app/settings.h"

#include "app/shared.h"
#include "res/resource.h"

// Used when the current directory is too long for a full path: still the file in the
// current directory, never a truncated path that names another file.
static const char kRelativePath[] = ".\\QILO.INI";

// Sensible ranges: window sizes from the smallest a snap yields at 16x to beyond any screen,
// positions within the range the window manager handles.
static const int kMinWindowSize = 32;
static const int kMaxWindowSize = 8192;
static const int kMaxCoordinate = 32000;

// Whether the text ends in a backslash character, walking it character by character.
static BOOL endsWithBackslash(const char* text, UINT codePage) {
    BOOL lastIsBackslash = FALSE;
    for (const char* p = text; *p;) {
        if (IsDBCSLeadByteEx(codePage, (BYTE)*p) && p[1]) {
            lastIsBackslash = FALSE;
            p += 2;
        } else {
            lastIsBackslash = *p == '\\';
            p += 1;
        }
    }
    return lastIsBackslash;
}

BOOL buildSettingsPath(char* path, const char* directory, UINT codePage) {
    const char* separator = endsWithBackslash(directory, codePage) ? "" : "\\";
    size_t needed = strlen(directory) + strlen(separator) + strlen(kSettingsFileName) + 1;
    if (needed > MAX_PATH) {
        lstrcpyA(path, kRelativePath);
        return FALSE;
    }
    lstrcpyA(path, directory);
    lstrcatA(path, separator);
    lstrcatA(path, kSettingsFileName);
    return TRUE;
}

static int readKey(const char* key, int defaultValue) {
    return (int)GetPrivateProfileIntA(kSettingsSection, key, defaultValue, magnifier.iniPath);
}

static void writeKey(const char* key, int value) {
    char text[80];
    wsprintfA(text, "%d", value);
    WritePrivateProfileStringA(kSettingsSection, key, text, magnifier.iniPath);
}

// Moves a stored rectangle that no monitor shows onto the nearest monitor's work area.
static void keepWindowOnAMonitor(MagnifierState* state) {
    RECT rect = {state->windowX, state->windowY, state->windowX + windowWidth,
                 state->windowY + windowHeight};
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL))
        return;
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info))
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

static void buildIniPath() {
    char directory[MAX_PATH];
    DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    if (length == 0 || length >= MAX_PATH) {
        // The directory did not fit into the buffer.
        lstrcpyA(magnifier.iniPath, kRelativePath);
        return;
    }
    buildSettingsPath(magnifier.iniPath, directory, CP_ACP);
}

void loadSettings() {
    MagnifierState* s = &magnifier;
    buildIniPath();
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    s->windowX = readKey("X", 0);
    s->windowY = readKey("Y", 0);
    s->rop = (DWORD)readKey("ROP", SRCCOPY);
    s->frameStyle = readKey("FRAME", 1);
    s->seeThroughDrag = readKey("ISTOKA", 0);
    s->frameWidth = s->frameStyle != 0 ? 1 : 0;
    s->sizeFixed = readKey("WSIZE", 1);
    s->isTop = readKey("IsTop", 1);
    s->isCross = readKey("IsCross", 0);
    s->zoomCommand = readKey("ZOOM", ID_ZOOM_2);
    windowWidth = readKey("WIDTH", 194);
    windowHeight = readKey("HEIGHT", 130);
    s->viewWidth = windowWidth;
    s->viewHeight = windowHeight;
    s->intervalMs = readKey("INT_TIME", kDefaultIntervalMs);
    s->dragOffsetY = 0;
    s->dragOffsetX = 0;
    s->penColor = (COLORREF)readKey("COLOR", kDefaultPenColor);
    s->hotkeyEnabled = readKey("VK_SPACE", kDefaultHotkeyEnabled);
    s->showInfo = readKey("INFO", 0);
    s->freezeHotkey = readKey("HK_FREEZE", 0);
    s->copyHotkey = readKey("HK_COPY", 0);
    sanitizeSettings(s);
}

void saveSettings() {
    const MagnifierState* s = &magnifier;
    writeKey("WSIZE", s->sizeFixed);
    writeKey("X", s->windowX);
    writeKey("Y", s->windowY);
    writeKey("IsTop", s->isTop);
    writeKey("ZOOM", s->zoomCommand);
    writeKey("INT_TIME", s->intervalMs);
    writeKey("IsCross", s->isCross);
    writeKey("WIDTH", windowWidth);
    writeKey("HEIGHT", windowHeight);
    writeKey("ROP", (int)s->rop);
    writeKey("FRAME", s->frameStyle);
    writeKey("ISTOKA", s->seeThroughDrag);
}
