#include <windows.h>

#include "qconf/restart.h"

#include "common/shared.h"

static const DWORD kCloseTimeoutMs = 10000;
static const int kWindowPolls = 20;
static const DWORD kWindowPollMs = 100;

HWND waitForMagnifierWindow() {
    for (int poll = 0; poll < kWindowPolls && magnifierRunning(); ++poll) {
        if (HWND found = findMagnifierWindow())
            return found;
        Sleep(kWindowPollMs);
    }
    return nullptr;
}

CloseResult closeMagnifier(HWND window, MagnifierStart* start) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    start->visible = IsWindowVisible(window);
    // The limited right is granted across bitness and to a magnifier running elevated.
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return kNotClosed;
    CloseResult result = kNotClosed;
    DWORD length = MAX_PATH;
    if (QueryFullProcessImageNameW(process, 0, start->exePath, &length)) {
        BOOL posted = PostMessageW(window, WM_COMMAND, kQuitCommand, 0);
        if (postRefused(posted, GetLastError()))
            result = kCloseRefused;
        // A window that went meanwhile fails the post too; the process's end tells.
        else if (WaitForSingleObject(process, kCloseTimeoutMs) == WAIT_OBJECT_0)
            result = kClosed;
    }
    CloseHandle(process);
    return result;
}

// A hidden magnifier is started with a minimising show command, which sends it back to the
// notification area.
BOOL startMagnifier(const MagnifierStart* start) {
    wchar_t commandLine[MAX_PATH + 3];
    wsprintfW(commandLine, L"\"%s\"", start->exePath);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = start->visible ? SW_SHOWNORMAL : SW_SHOWMINNOACTIVE;
    PROCESS_INFORMATION started;
    if (!CreateProcessW(start->exePath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return FALSE;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return TRUE;
}
