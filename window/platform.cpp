#include <windows.h>

#include "window/platform.h"

void askForSquareCorners(HWND window) {
    const DWORD kCornerPreference = 33;  // DWMWA_WINDOW_CORNER_PREFERENCE
    const DWORD kDoNotRound = 1;         // DWMWCP_DONOTROUND
    typedef HRESULT(WINAPI * SetAttribute)(HWND, DWORD, LPCVOID, DWORD);
    // Only from the system folder: never a DLL of that name lying in the current one.
    HMODULE dwm = LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    auto setAttribute = systemFunction<SetAttribute>(dwm, "DwmSetWindowAttribute");
    if (setAttribute)
        setAttribute(window, kCornerPreference, &kDoNotRound, sizeof kDoNotRound);
    if (dwm)
        FreeLibrary(dwm);
}

void keepDialogUnscaled(HWND dialog) {
    const int kDisableAll = 1;  // DDC_DISABLE_ALL
    typedef BOOL(WINAPI * SetBehavior)(HWND, int, int);
    auto setBehavior =
        systemFunction<SetBehavior>(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior");
    if (setBehavior)
        setBehavior(dialog, kDisableAll, kDisableAll);
}

static int systemDpi() {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int windowDpi(HWND window) {
    typedef UINT(WINAPI * DpiForWindow)(HWND);
    auto dpiForWindow =
        systemFunction<DpiForWindow>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    UINT dpi = dpiForWindow ? dpiForWindow(window) : 0;
    return dpi ? (int)dpi : systemDpi();
}

int monitorDpiAt(POINT point) {
    const int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose
    typedef HRESULT(WINAPI * DpiForMonitor)(HMONITOR, int, UINT*, UINT*);
    // Only from the system folder, as dwmapi.dll above.
    HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    auto dpiForMonitor = systemFunction<DpiForMonitor>(shcore, "GetDpiForMonitor");
    UINT dpiX = 0, dpiY = 0;
    if (!dpiForMonitor || FAILED(dpiForMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST),
                                               kEffectiveDpi, &dpiX, &dpiY)))
        dpiX = 0;
    if (shcore)
        FreeLibrary(shcore);
    return dpiX ? (int)dpiX : systemDpi();
}

// Room for sixteen active paths: a system with more finds none rather than asking twice.
BOOL findDisplayTarget(POINT point, LUID* adapter, UINT32* target) {
    MONITORINFOEXW monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor))
        return FALSE;
    DISPLAYCONFIG_PATH_INFO paths[16];
    DISPLAYCONFIG_MODE_INFO modes[32];
    UINT32 pathCount = 16, modeCount = 32;
    if (QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths, &modeCount, modes, nullptr) !=
        ERROR_SUCCESS)
        return FALSE;
    for (UINT32 i = 0; i < pathCount; ++i) {
        DISPLAYCONFIG_SOURCE_DEVICE_NAME source = {};
        source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
        source.header.size = sizeof source;
        source.header.adapterId = paths[i].sourceInfo.adapterId;
        source.header.id = paths[i].sourceInfo.id;
        if (DisplayConfigGetDeviceInfo(&source.header) == ERROR_SUCCESS &&
            lstrcmpiW(source.viewGdiDeviceName, monitor.szDevice) == 0) {
            *adapter = paths[i].targetInfo.adapterId;
            *target = paths[i].targetInfo.id;
            return TRUE;
        }
    }
    return FALSE;
}

// Any failure (no WDDM driver, a remote session, Windows before 10 1709) is plain colour.
BOOL monitorHasAdvancedColor(POINT point) {
    DISPLAYCONFIG_GET_ADVANCED_COLOR_INFO color = {};
    color.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO;
    color.header.size = sizeof color;
    const UINT32 kEnabled = 0x2;  // advancedColorEnabled: HDR or wide colour gamut is on
    return findDisplayTarget(point, &color.header.adapterId, &color.header.id) &&
           DisplayConfigGetDeviceInfo(&color.header) == ERROR_SUCCESS &&
           (color.value & kEnabled) != 0;
}

// Registered once: every program that registers the name gets the same number.
UINT taskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

// The messages let through from lower integrity, each by the function that gives its number.
static UINT (*const kAllowedFromLowerIntegrity[])() = {
    taskbarCreatedMessage,
};

void allowMessagesFromLowerIntegrity(HWND window) {
    for (auto allowed : kAllowedFromLowerIntegrity)
        ChangeWindowMessageFilterEx(window, allowed(), MSGFLT_ALLOW, nullptr);
}

BOOL allowedFromLowerIntegrity(UINT message) {
    for (auto allowed : kAllowedFromLowerIntegrity) {
        if (allowed() == message)
            return TRUE;
    }
    return FALSE;
}

BOOL runsElevated() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return FALSE;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    BOOL known = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return known && elevation.TokenIsElevated != 0;
}

BOOL captureExclusionWorks(DWORD major, DWORD minor, DWORD build) {
    const DWORD kFirstBuild = 19041;  // Windows 10 2004
    return major > 10 || (major == 10 && (minor > 0 || build >= kFirstBuild));
}

// The version Windows runs, not the one a manifest lets GetVersionEx report.
static BOOL windowsVersion(OSVERSIONINFOW* version) {
    typedef LONG(WINAPI * GetVersion)(OSVERSIONINFOW*);
    auto getVersion = systemFunction<GetVersion>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    version->dwOSVersionInfoSize = sizeof *version;
    return getVersion && getVersion(version) == 0;
}

BOOL leaveOutOfCaptures(HWND window, BOOL leaveOut) {
    const DWORD kExcludeFromCapture = 0x11;  // WDA_EXCLUDEFROMCAPTURE
    OSVERSIONINFOW version;
    if (!windowsVersion(&version) ||
        !captureExclusionWorks(version.dwMajorVersion, version.dwMinorVersion,
                               version.dwBuildNumber))
        return FALSE;
    return SetWindowDisplayAffinity(window, leaveOut ? kExcludeFromCapture : WDA_NONE);
}
