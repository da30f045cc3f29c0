// The driver's means: checks and waiting, the pattern on the screen, the programs started in
// scratch directories, real mouse and keyboard input, and the stand-ins for the shell and the
// help program.
#include "tests/e2e/driver.h"

// ---- checks and waiting ---------------------------------------------------------------------

int failures;

// Prints a failed check's message; the case fails when any check failed.
bool check(bool ok, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    if (!ok && ++failures) {
        printf("  FAILED: ");
        vprintf(fmt, args);
        printf("\n");
    }
    va_end(args);
    return ok;
}

// Processes the driver's own messages (its windows must paint) for ms milliseconds.
void pump(DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
            TranslateMessage(&msg);  // keys typed into the driver's own text box
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// ---- the pattern, the screen ----------------------------------------------------------------

Dib* pattern;
HWND patternWindow;

LRESULT CALLBACK patternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT ps;
    if (msg != WM_PAINT)
        return msg == WM_ERASEBKGND ? 1 : DefWindowProcA(hwnd, msg, wParam, lParam);
    BitBlt(BeginPaint(hwnd, &ps), 0, 0, pattern->width, pattern->height, pattern->dc, 0, 0,
           SRCCOPY);
    EndPaint(hwnd, &ps);
    return 0;
}

// The virtual screen, every monitor: left, top, width, height.
int virtualScreen(int i) {
    return GetSystemMetrics(SM_XVIRTUALSCREEN + i);
}

// A window of the pattern over every monitor, above every window that is not topmost.
void paintPattern(int variant) {
    if (!patternWindow) {
        pattern = new Dib(virtualScreen(2), virtualScreen(3));
        WNDCLASSA wc = {0, patternProc};
        wc.lpszClassName = "QiloTestPattern";
        RegisterClassA(&wc);
        patternWindow = CreateWindowExA(
            WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "", WS_POPUP, virtualScreen(0),
            virtualScreen(1), pattern->width, pattern->height, nullptr, nullptr, nullptr, nullptr);
    }
    pattern->fill(0, variant, virtualScreen(0), virtualScreen(1));
    SetWindowPos(patternWindow, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(patternWindow, nullptr, FALSE);
    pump(100);
}

RECT windowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

// Waits until the window shows the view; the last count of differing pixels.
int waitForView(HWND window, const ExpectedView& view, DWORD timeoutMs) {
    int mismatches = -1;
    POINT first = {};
    waitUntil([&] { return (mismatches = view.mismatches(Capture(window), &first)) == 0; },
              timeoutMs);
    if (mismatches)
        printf("  %d pixels differ, the first at (%ld, %ld)\n", mismatches, first.x, first.y);
    return mismatches;
}

// ---- the program under test -----------------------------------------------------------------

std::wstring qiloPath;

std::wstring widen(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], (int)wide.size()));
    return wide;
}

std::string narrow(const std::wstring& wide) {
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), &utf8[0],
                                    (int)utf8.size(), nullptr, nullptr));
    return utf8;
}

void writeFileText(const std::wstring& path, const std::string& text) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(file, text.data(), (DWORD)text.size(), &written, nullptr);
    CloseHandle(file);
}

std::string readFileText(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    std::string text;
    char buffer[65536];
    for (DWORD got; ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got;)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// The folder of the programs under test, with the separator.
std::wstring buildFolder() {
    return qiloPath.substr(0, qiloPath.rfind(L'\\') + 1);
}

// A new scratch directory (with folder: a folder of that name in it), with QILO.INI holding
// the text given (none when empty). The time in its name keeps it new: Wine reuses pids.
std::wstring makeScratchDir(const std::string& settings, const wchar_t* folder) {
    wchar_t name[MAX_PATH];
    static int counter;
    GetTempPathW(MAX_PATH, name);
    wsprintfW(name + lstrlenW(name), L"qilo-e2e-%lu-%lu-%d", GetCurrentProcessId(), GetTickCount(),
              ++counter);
    CreateDirectoryW(name, nullptr);
    std::wstring dir = folder ? std::wstring(name) + L"\\" + folder : name;
    CreateDirectoryW(dir.c_str(), nullptr);
    if (!settings.empty())
        writeFileText(dir + L"\\QILO.INI", settings);
    return dir;
}

// Starts a program (by default Qilo.exe) in dir with the show command (below 0: none, which
// gives SW_SHOWDEFAULT); startQilo also waits for its window.
bool launchQilo(Qilo& q, const std::wstring& dir, int showCommand, const std::wstring& exe) {
    q = Qilo();
    STARTUPINFOW si = {sizeof si};
    si.dwFlags = showCommand >= 0 ? STARTF_USESHOWWINDOW : 0;
    si.wShowWindow = (WORD)showCommand;
    std::wstring commandLine = L"\"" + exe + L"\"";
    return check(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                dir.c_str(), &si, &q.process),
                 "%s starts: error %lu", narrow(exe).c_str(), GetLastError());
}

bool startQilo(Qilo& q, const std::wstring& dir, int showCommand, const std::wstring& exe) {
    DWORD pid = 0;
    bool found = launchQilo(q, dir, showCommand, exe) &&
                 waitUntil(
                     [&] {
                         GetWindowThreadProcessId(q.window = FindWindowA("#32770", nullptr), &pid);
                         return pid == q.process.dwProcessId;
                     },
                     10000);
    pump(300);  // the posted always-on-top command and the first ticks
    return check(found, "the magnifier window appears");
}

// The exit code once the process ends; after the time-out it is ended, with -1.
int waitExit(Qilo& q, DWORD timeoutMs) {
    if (!waitUntil([&] { return !WaitForSingleObject(q.process.hProcess, 0); }, timeoutMs))
        TerminateProcess(q.process.hProcess, (UINT)-1);
    DWORD code = (DWORD)-1;
    GetExitCodeProcess(q.process.hProcess, &code);
    CloseHandle(q.process.hProcess);
    CloseHandle(q.process.hThread);
    return (int)code;
}

// ---- input and menus ------------------------------------------------------------------------

void send(std::vector<INPUT> inputs) {
    SendInput((UINT)inputs.size(), inputs.data(), sizeof(INPUT));
    pump(40);
}

void moveCursor(int x, int y) {
    INPUT in = {INPUT_MOUSE};
    // Rounded up, so that the absolute position lands on the pixel asked for.
    in.mi.dx = ((x - virtualScreen(0)) * 65536 + virtualScreen(2) - 1) / virtualScreen(2);
    in.mi.dy = ((y - virtualScreen(1)) * 65536 + virtualScreen(3) - 1) / virtualScreen(3);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    send({in});
}

void mouseButton(DWORD flags) {
    INPUT in = {INPUT_MOUSE};
    in.mi.dwFlags = flags;
    send({in});
}

INPUT key(WORD vk, DWORD flags) {
    INPUT in = {INPUT_KEYBOARD};
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    return in;
}

// Presses a key down, lets it up, or both.
void pressKey(WORD vk, bool down, bool up) {
    if (down)
        send({key(vk, 0)});
    if (up)
        send({key(vk, KEYEVENTF_KEYUP)});
}

void keyCombo(WORD modifier, WORD vk) {
    send({key(modifier, 0), key(vk, 0), key(vk, KEYEVENTF_KEYUP), key(modifier, KEYEVENTF_KEYUP)});
}

// The open menu's window (the top one of a menu and its submenu), or null.
HWND openMenu() {
    HWND menu = FindWindowA("#32768", nullptr);
    return IsWindowVisible(menu) ? menu : nullptr;
}

bool waitForMenu(bool open, DWORD timeoutMs) {
    return waitUntil([&] { return (openMenu() != nullptr) == open; }, timeoutMs);
}

Qilo q;  // the program of the scenario, and its directory
std::wstring dir;
Language face;  // the face the scenario's programs show
HWND shell;     // the stand-in notification area: its answer, the icons added, changed, removed
LRESULT shellAnswer;
int iconAdds, iconChanges, iconDeletes;

IconRecord lastIconAdded;

LRESULT CALLBACK shellProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COPYDATA)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const COPYDATASTRUCT* data = reinterpret_cast<COPYDATASTRUCT*>(lParam);
    iconDeletes += data->dwData == NIM_DELETE;
    iconChanges += data->dwData == NIM_MODIFY &&
                   static_cast<IconRecord*>(data->lpData)->window == (DWORD)(UINT_PTR)q.window;
    if (data->dwData == NIM_ADD && data->cbData >= sizeof lastIconAdded) {
        ++iconAdds;
        memcpy(&lastIconAdded, data->lpData, sizeof lastIconAdded);
    }
    return shellAnswer;
}

// The last icon added is the magnifier's: its window, id 1, its callback message, the face's
// tip and an image of the size the shell asks for.
bool iconAddedAsAsked() {
    const IconRecord& icon = lastIconAdded;
    return icon.window == (DWORD)(UINT_PTR)q.window && icon.id == 1 &&
           icon.callbackMessage == WM_TRAYNOTIFY &&
           std::wstring(icon.tip) == textIn(face, kDisplayName) &&
           (int)icon.width == GetSystemMetrics(SM_CXSMICON) &&
           (int)icon.height == GetSystemMetrics(SM_CYSMICON);
}

// A stand-in shell window that answers `answer` to every request (-1: none).
void standInShell(LRESULT answer) {
    WNDCLASSA wc = {0, shellProc};
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    DestroyWindow(shell);
    shellAnswer = answer;
    iconAdds = iconChanges = iconDeletes = 0;
    lastIconAdded = IconRecord();
    // Topmost, so that it is found before the shell's own window of the class.
    if (answer >= 0)
        shell = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP, 0,
                                0, 1, 1, nullptr, nullptr, nullptr, nullptr);
}

Qilo tool;  // the set-up tool

// Another program's clipboard history: the clipboard held open for a moment after a change.
static DWORD clipboardHoldMs;
static HANDLE clipboardOpened;
static BOOL clipboardHeld;

static DWORD WINAPI holdClipboard(void*) {
    clipboardHeld = OpenClipboard(nullptr);
    SetEvent(clipboardOpened);
    Sleep(clipboardHoldMs);
    if (clipboardHeld)
        CloseClipboard();
    return 0;
}

bool holdClipboardFor(DWORD ms) {
    clipboardHoldMs = ms;
    clipboardOpened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE holder = CreateThread(nullptr, 0, holdClipboard, nullptr, 0, nullptr);
    bool held =
        holder && WaitForSingleObject(clipboardOpened, 2000) == WAIT_OBJECT_0 && clipboardHeld;
    if (holder)
        CloseHandle(holder);
    CloseHandle(clipboardOpened);
    return held;
}

// A window of another program with a text box, where the user types, and a button.
HWND typingWindow, typingBox, typingButton;

void startTyping() {
    DestroyWindow(typingWindow);
    typingWindow = CreateWindowExA(0, "STATIC", "typing", WS_POPUP | WS_VISIBLE | WS_BORDER, 600,
                                   600, 300, 90, nullptr, nullptr, nullptr, nullptr);
    typingBox = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 280, 40, typingWindow,
                                nullptr, nullptr, nullptr);
    typingButton = CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 5, 50, 100, 30,
                                   typingWindow, nullptr, nullptr, nullptr);
    SetForegroundWindow(typingWindow);
    SetFocus(typingBox);
    pump(300);
}

POINT typingSpot(bool caret) {
    GUITHREADINFO info = {sizeof info};
    RECT r = windowRect(typingButton);
    if (caret && GetGUIThreadInfo(GetCurrentThreadId(), &info) && info.hwndCaret)
        MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&info.rcCaret), 2);
    r = caret ? info.rcCaret : r;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A key typed now reaches the text box: the text grows by one character.
bool typingGoesOn() {
    int before = GetWindowTextLengthA(typingBox);
    pressKey('Q');
    bool typed = waitUntil([&] { return GetWindowTextLengthA(typingBox) == before + 1; }, 1000);
    if (!typed || GetForegroundWindow() != typingWindow)
        printf("  typed: %d -> %d characters, the foreground %p, the typing window %p\n", before,
               GetWindowTextLengthA(typingBox), (void*)GetForegroundWindow(), (void*)typingWindow);
    return typed && GetForegroundWindow() == typingWindow;
}
