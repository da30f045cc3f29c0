#include <windows.h>

#include <shellapi.h>
#include <stdarg.h>
#include <stdio.h>

#include "harness.h"

#include "tests/common/gdi_count.h"

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
        patternWindow =
            CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, "QiloTestPattern", "pattern",
                            WS_POPUP, 0, 0, w, h, nullptr, nullptr, wc.hInstance, nullptr);
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

void restackOnTop(HWND window) {
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, keep);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, keep);
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

View viewAroundCursor(HWND window, int frame, int zoom, int cursorX, int cursorY) {
    View v = {};
    v.window = windowRect(window);
    v.frame = frame;
    v.zoom = zoom;
    int innerW = v.window.right - v.window.left - 2 * frame;
    int innerH = v.window.bottom - v.window.top - 2 * frame;
    v.srcX = cursorX - innerW / zoom / 2;
    v.srcY = cursorY - innerH / zoom / 2;
    return v;
}

Mismatch lastMismatch;

// Keeps a picture of the whole screen for a failed comparison, as a PPM file in the
// temporary folder, and names it.
void saveScreenOnFailure() {
    RECT all = {0, 0, screenWidth(), screenHeight()};
    Capture c = captureScreen(all);
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, path);
    static int counter;
    wsprintfA(path + lstrlenA(path), "qilo-e2e-failure-%lu-%d.ppm", GetCurrentProcessId(),
              ++counter);
    FILE* f = fopen(path, "wb");
    if (!f)
        return;
    fprintf(f, "P6\n%d %d\n255\n", c.width, c.height);
    for (DWORD p : c.pixels) {
        unsigned char rgb[3] = {(unsigned char)(p >> 16), (unsigned char)(p >> 8),
                                (unsigned char)p};
        fwrite(rgb, 1, 3, f);
    }
    fclose(f);
    note("screen saved to %s", path);
}

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
        saveScreenOnFailure();
        const Mismatch& m = lastMismatch;
        note("first difference at (%d, %d): want %06lx, got %06lx", m.x, m.y, (unsigned long)m.want,
             (unsigned long)m.got);
    }
    return mismatches;
}

// ---- the program under test -----------------------------------------------------------------

static char qiloFullPath[MAX_PATH];

void setQiloPath(const char* path) {
    GetFullPathNameA(path, MAX_PATH, qiloFullPath, nullptr);
}

const char* qiloPath() {
    return qiloFullPath;
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

// A show command below 0 starts the program without one.
bool launchQilo(Qilo& q, const std::string& dir, int showCommand) {
    q.directory = dir;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (showCommand >= 0) {
        si.dwFlags = STARTF_USESHOWWINDOW;
        si.wShowWindow = (WORD)showCommand;
    }
    char commandLine[MAX_PATH + 2];
    wsprintfA(commandLine, "\"%s\"", qiloFullPath);
    if (!CreateProcessA(qiloFullPath, commandLine, nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                        &si, &q.process)) {
        check(false, "CreateProcess %s failed: %lu", qiloFullPath, GetLastError());
        return false;
    }
    return true;
}

static bool findStartedWindow(Qilo& q);

bool startQiloDefaultShow(Qilo& q, const std::string& dir) {
    return launchQilo(q, dir, -1) && findStartedWindow(q);
}

bool startQilo(Qilo& q, const std::string& dir, WORD showCommand) {
    return launchQilo(q, dir, showCommand) && findStartedWindow(q);
}

static bool findStartedWindow(Qilo& q) {
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

void pressKey(WORD key) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
    pump(60);
}

void clickAt(int x, int y, DWORD down, DWORD up) {
    moveCursor(x, y);
    mouseButton(down);
    mouseButton(up);
}

// ---- menus ------------------------------------------------------------------------------------

static BOOL CALLBACK findMenu(HWND hwnd, LPARAM param) {
    char cls[16];
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32768") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(param) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND openMenu() {
    HWND found = nullptr;
    EnumWindows(findMenu, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool waitForMenu(bool open, DWORD timeoutMs) {
    return waitUntil([&] { return (openMenu() != nullptr) == open; }, timeoutMs);
}

void chooseFromMainMenu(int x, int y, int item, int subItem) {
    clickAt(x, y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    if (!check(waitForMenu(true), "the main menu opens"))
        return;
    for (int i = 0; i <= item; ++i)
        pressKey(VK_DOWN);
    if (subItem >= 0) {
        pressKey(VK_RIGHT);
        for (int i = 0; i < subItem; ++i)
            pressKey(VK_DOWN);
    }
    pressKey(VK_RETURN);
    check(waitForMenu(false), "the menu closes after the choice");
    pump(250);
}

// ---- decoding the pattern ---------------------------------------------------------------------

POINT patternPoint(COLORREF c) {
    POINT p;
    p.x = GetRValue(c) | ((GetBValue(c) & 0x0F) << 8);
    p.y = GetGValue(c) | ((GetBValue(c) >> 4) << 8);
    return p;
}

int countStretchErrors(const Capture& c,
                       int frame,
                       int srcX,
                       int srcY,
                       int srcW,
                       int srcH,
                       int crossX,
                       int crossY) {
    int w = c.width - 2 * frame, h = c.height - 2 * frame;
    int errors = 0;
    for (int y = frame; y < c.height - frame; ++y) {
        for (int x = frame; x < c.width - frame; ++x) {
            if (x == crossX || y == crossY)
                continue;
            POINT p = patternPoint(c.at(x, y));
            double wantX = srcX + (x - frame) * (double)srcW / w;
            double wantY = srcY + (y - frame) * (double)srcH / h;
            if (p.x < wantX - 1 || p.x > wantX + 1 || p.y < wantY - 1 || p.y > wantY + 1)
                ++errors;
        }
    }
    return errors;
}

// ---- stand-ins ------------------------------------------------------------------------------

static LRESULT CALLBACK fakeTrayProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    FakeTray* tray = reinterpret_cast<FakeTray*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_COPYDATA && tray) {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data->dwData == NIM_ADD) {
            ++tray->adds;
            tray->lastOwner = reinterpret_cast<HWND>(wParam);
        }
        return tray->answer;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A hidden 1 x 1 window of the given class, whose procedure finds `owner` in its user data.
static HWND createStandIn(const char* className, WNDPROC proc, void* owner) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, className, "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return window;
}

void FakeTray::create(LRESULT answerWith) {
    answer = answerWith;
    window = createStandIn("Shell_TrayWnd", fakeTrayProc, this);
    // The shell's own tray window must not be the one found first.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FakeTray::destroy() {
    DestroyWindow(window);
    window = nullptr;
}

// The request Wine's WinHelp sends in WM_COPYDATA.
struct WinHelpRequest {
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD ofsFilename;
    WORD ofsData;
};

static LRESULT CALLBACK fakeHelpProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    FakeHelp* help = reinterpret_cast<FakeHelp*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_COPYDATA && help) {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const WinHelpRequest* request = static_cast<const WinHelpRequest*>(data->lpData);
        ++help->requests;
        help->command = request->command;
        help->file = request->ofsFilename
                         ? reinterpret_cast<const char*>(request) + request->ofsFilename
                         : "";
        return TRUE;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void FakeHelp::create() {
    window = createStandIn("MS_WINHELP", fakeHelpProc, this);
}

void FakeHelp::destroy() {
    DestroyWindow(window);
    window = nullptr;
}

int gdiObjects(const Qilo& q) {
    return countGdiHandles(q.process.hProcess, q.process.dwProcessId);
}
