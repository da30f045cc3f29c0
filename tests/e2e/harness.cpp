#include <windows.h>

#include <stdarg.h>
#include <stdio.h>

#include "harness.h"

// ---- checks -------------------------------------------------------------------------------

static int failures;

bool check(bool ok, const char* fmt, ...) {
    if (ok)
        return true;
    ++failures;
    va_list args;
    va_start(args, fmt);
    printf("  FAILED: ");
    vprintf(fmt, args);
    printf("\n");
    va_end(args);
    fflush(stdout);
    return false;
}

int failedChecks() {
    return failures;
}

void note(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    printf("  ");
    vprintf(fmt, args);
    printf("\n");
    va_end(args);
    fflush(stdout);
}

// ---- the pattern --------------------------------------------------------------------------

COLORREF patternColor(int x, int y, int variant) {
    int r = x & 0xFF, g = y & 0xFF, b = ((x >> 8) & 0x0F) | (((y >> 8) & 0x0F) << 4);
    if (variant)
        return RGB(255 - r, 255 - g, 255 - b);
    return RGB(r, g, b);
}

static HWND patternWindow;
static HDC patternDC;
static HBITMAP patternBitmap;
static DWORD* patternBits;

static void fillPattern(int variant) {
    int w = screenWidth(), h = screenHeight();
    GdiFlush();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            COLORREF c = patternColor(x, y, variant);
            patternBits[y * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
}

static LRESULT CALLBACK patternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        BitBlt(dc, 0, 0, screenWidth(), screenHeight(), patternDC, 0, 0, SRCCOPY);
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_ERASEBKGND)
        return 1;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void showPattern(int variant) {
    int w = screenWidth(), h = screenHeight();
    if (!patternWindow) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        patternDC = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        patternBitmap = CreateDIBSection(patternDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        patternBits = static_cast<DWORD*>(bits);
        SelectObject(patternDC, patternBitmap);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = patternProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "QiloTestPattern";
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        RegisterClassA(&wc);
        patternWindow = CreateWindowExA(WS_EX_TOOLWINDOW, "QiloTestPattern", "pattern", WS_POPUP, 0,
                                        0, w, h, nullptr, nullptr, wc.hInstance, nullptr);
    }
    fillPattern(variant);
    ShowWindow(patternWindow, SW_SHOWNOACTIVATE);
    InvalidateRect(patternWindow, nullptr, FALSE);
    UpdateWindow(patternWindow);
    pump(100);
}

void raisePattern() {
    SetWindowPos(patternWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pump(100);
}

void hidePattern() {
    if (patternWindow)
        ShowWindow(patternWindow, SW_HIDE);
    pump(50);
}

void pump(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start >= ms)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

// ---- the screen -----------------------------------------------------------------------------

int screenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}

int screenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

COLORREF Capture::at(int x, int y) const {
    DWORD p = pixels[y * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

Capture captureScreen(const RECT& rect) {
    Capture c;
    c.left = rect.left;
    c.top = rect.top;
    c.width = rect.right - rect.left;
    c.height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = c.width;
    info.bmiHeader.biHeight = -c.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, c.width, c.height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    c.pixels.assign(p, p + c.width * c.height);
    for (DWORD& px : c.pixels)
        px &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return c;
}

static COLORREF invert(COLORREF c) {
    return RGB(255 - GetRValue(c), 255 - GetGValue(c), 255 - GetBValue(c));
}

Mismatch lastMismatch;

int countMismatches(const Capture& capture, const View& v, int crossX, int crossY) {
    int w = v.window.right - v.window.left, h = v.window.bottom - v.window.top;
    int mismatches = 0;
    for (int y = v.frame; y < h - v.frame; ++y) {
        for (int x = v.frame; x < w - v.frame; ++x) {
            if (x == crossX || y == crossY)
                continue;
            COLORREF want = patternColor(v.srcX + (x - v.frame) / v.zoom,
                                         v.srcY + (y - v.frame) / v.zoom, v.patternVariant);
            if (v.inverted)
                want = invert(want);
            if (capture.at(x, y) != want && mismatches++ == 0) {
                lastMismatch = {x, y, want, capture.at(x, y)};
            }
        }
    }
    return mismatches;
}

int waitForView(const View& view, DWORD timeoutMs, int crossX, int crossY) {
    int mismatches = -1;
    waitUntil(
        [&] {
            mismatches = countMismatches(captureScreen(view.window), view, crossX, crossY);
            return mismatches == 0;
        },
        timeoutMs);
    if (mismatches) {
        const Mismatch& m = lastMismatch;
        note("first difference at (%d, %d): want %06lx, got %06lx", m.x, m.y, (unsigned long)m.want,
             (unsigned long)m.got);
    }
    return mismatches;
}

// ---- the program under test -----------------------------------------------------------------

static char qiloPath[MAX_PATH];

void setQiloPath(const char* path) {
    GetFullPathNameA(path, MAX_PATH, qiloPath, nullptr);
}

std::string makeScratchDir(const char* settings) {
    char base[MAX_PATH], name[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter;
    wsprintfA(name, "%sqilo-e2e-%lu-%d", base, GetCurrentProcessId(), ++counter);
    CreateDirectoryA(name, nullptr);
    std::string dir = name;
    DeleteFileA(settingsPath(dir).c_str());
    if (settings) {
        HANDLE f = CreateFileA(settingsPath(dir).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               0, nullptr);
        DWORD written;
        WriteFile(f, settings, lstrlenA(settings), &written, nullptr);
        CloseHandle(f);
    }
    return dir;
}

std::string settingsPath(const std::string& dir) {
    return dir + "\\QILO.INI";
}

std::string readFileText(const std::string& path) {
    std::string text;
    HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (f == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD got;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got)
        text.append(buffer, got);
    CloseHandle(f);
    return text;
}

struct WindowSearch {
    DWORD pid;
    HWND found;
};

static BOOL CALLBACK findDialog(HWND hwnd, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid == search->pid && lstrcmpA(cls, "#32770") == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

static HWND findQiloWindow(DWORD pid) {
    WindowSearch search = {pid, nullptr};
    EnumWindows(findDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool launchQilo(Qilo& q, const std::string& dir, WORD showCommand) {
    q.directory = dir;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = showCommand;
    char commandLine[MAX_PATH + 2];
    wsprintfA(commandLine, "\"%s\"", qiloPath);
    if (!CreateProcessA(qiloPath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                        &si, &q.process)) {
        check(false, "CreateProcess %s failed: %lu", qiloPath, GetLastError());
        return false;
    }
    return true;
}

bool startQilo(Qilo& q, const std::string& dir, WORD showCommand) {
    if (!launchQilo(q, dir, showCommand))
        return false;
    bool found = waitUntil(
        [&] { return (q.window = findQiloWindow(q.process.dwProcessId)) != nullptr; }, 10000);
    check(found, "the magnifier window appears");
    // Let the posted always-on-top command and the first ticks run.
    pump(300);
    return found;
}

int waitExit(Qilo& q, DWORD timeoutMs) {
    if (!q.process.hProcess)
        return -1;
    DWORD start = GetTickCount();
    while (WaitForSingleObject(q.process.hProcess, 0) == WAIT_TIMEOUT) {
        if (GetTickCount() - start > timeoutMs)
            return -1;
        pump(10);
    }
    DWORD code = 0;
    GetExitCodeProcess(q.process.hProcess, &code);
    CloseHandle(q.process.hProcess);
    CloseHandle(q.process.hThread);
    q.process = PROCESS_INFORMATION();
    return (int)code;
}

int closeQilo(Qilo& q, DWORD timeoutMs) {
    PostMessageA(q.window, WM_CLOSE, 0, 0);
    int code = waitExit(q, timeoutMs);
    if (code == -1)
        killQilo(q);
    return code;
}

void killQilo(Qilo& q) {
    if (q.process.hProcess) {
        TerminateProcess(q.process.hProcess, 99);
        waitExit(q, 5000);
    }
}

RECT windowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

// ---- input ------------------------------------------------------------------------------------

void moveCursor(int x, int y) {
    int w = screenWidth(), h = screenHeight();
    INPUT in = {};
    in.type = INPUT_MOUSE;
    // Rounded up, so that the absolute position lands on the pixel asked for.
    in.mi.dx = (x * 65536 + w - 1) / w;
    in.mi.dy = (y * 65536 + h - 1) / h;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
    pump(30);
}

void mouseButton(DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
    pump(30);
}

void keyCombo(WORD modifier, WORD key) {
    INPUT in[4] = {};
    for (INPUT& i : in)
        i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = modifier;
    in[1].ki.wVk = key;
    in[2].ki.wVk = key;
    in[2].ki.dwFlags = KEYEVENTF_KEYUP;
    in[3].ki.wVk = modifier;
    in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof in[0]);
    pump(30);
}
