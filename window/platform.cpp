#include <windows.h>

#include "window/platform.h"

// A function of a system DLL, or null where this Windows has none.
template <class Function>
static Function systemFunction(HMODULE module, const char* name) {
    FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

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

int windowDpi(HWND window) {
    typedef UINT(WINAPI * DpiForWindow)(HWND);
    auto dpiForWindow =
        systemFunction<DpiForWindow>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    UINT dpi = dpiForWindow ? dpiForWindow(window) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return (int)dpi;
}

void allowMessagesFromLowerIntegrity(HWND window) {
    ChangeWindowMessageFilterEx(window, RegisterWindowMessageW(L"TaskbarCreated"), MSGFLT_ALLOW,
                                nullptr);
    ChangeWindowMessageFilterEx(window, WM_COMMAND, MSGFLT_ALLOW, nullptr);
}
