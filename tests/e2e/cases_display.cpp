// A change of display resolution while the magnifier runs.
#include <windows.h>

#include <stdio.h>

#include <string>

#include "cases.h"
#include "harness.h"

static const COLORREF kPen = RGB(128, 0, 0);

static bool resizeDisplay(int width, int height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(width ? &mode : nullptr, width ? CDS_FULLSCREEN : 0) ==
           DISP_CHANGE_SUCCESSFUL;
}

// The column of the crosshair's vertical line in the view's row y, or -1.
static int crosshairColumn(HWND window, int y) {
    Capture c = captureScreen(windowRect(window));
    for (int x = 1; x < c.width - 1; ++x) {
        if (c.at(x, y) == kPen && c.at(x, y + 1) == kPen && c.at(x, y + 2) == kPen)
            return x;
    }
    return -1;
}

void caseDisplayChangeInner() {
    showPattern();
    Qilo q;
    if (!startQilo(q, makeScratchDir("[INIT]\r\nX=100\r\nY=100\r\nIsCross=1\r\n")))
        return;
    // Near the right edge of a 1024-wide screen the source is not clamped: the crosshair is
    // in the middle. At 800 wide the same cursor is past the edge of the source's range.
    moveCursor(790, 300);
    check(waitUntil([&] { return crosshairColumn(q.window, 20) == 97; }, 3000),
          "before: the crosshair in the middle, got %d", crosshairColumn(q.window, 20));
    if (!check(resizeDisplay(800, 600), "the display changes to 800 x 600"))
        return killQilo(q);
    moveCursor(790, 300);
    // Clamped to 800 - 96 = 704: pushed back by 38, the crosshair moves 76 to the right.
    bool moved = waitUntil([&] { return crosshairColumn(q.window, 20) == 97 + 2 * 38; }, 3000);
    check(moved, "at once the crosshair follows the new screen edge: column %d",
          crosshairColumn(q.window, 20));
    resizeDisplay(0, 0);
    check(closeQilo(q) == 0, "exit code 0");
}

// Display modes can be changed in Wine's virtual desktop, not on a bare X server: the case
// runs again inside one and reports through a file.
void caseDisplayChange() {
    char self[MAX_PATH], temp[MAX_PATH], log[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    GetTempPathA(MAX_PATH, temp);
    wsprintfA(log, "%sqilo-display-change-%lu.log", temp, GetCurrentProcessId());
    DeleteFileA(log);
    char command[3 * MAX_PATH + 64];
    wsprintfA(command,
              "explorer.exe /desktop=qilo-e2e,1024x768 \"%s\" display_change_inner \"%s\" \"%s\"",
              self, qiloPath(), log);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!check(CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                              &pi) != FALSE,
               "a virtual desktop starts"))
        return;
    WaitForSingleObject(pi.hProcess, 120000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    std::string output = readFileText(log);
    printf("%s", output.c_str());
    check(output.find("display_change_inner: passed") != std::string::npos,
          "the case passed inside the virtual desktop");
    DeleteFileA(log);
    // The virtual desktop leaves its smaller work area behind in the wineserver, which would
    // move the menus of later tests; resetting the mode out here gives the screen's back.
    ChangeDisplaySettingsA(nullptr, 0);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    check(work.right == screenWidth() && work.bottom == screenHeight(),
          "the work area is the whole screen again: %ld x %ld", work.right, work.bottom);
}
