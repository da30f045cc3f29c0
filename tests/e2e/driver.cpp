// The driver's means, with the steps that use them: checks and waiting, the pattern on the
// screen, the files, and the programs started in scratch directories (input: input.cpp).
#include "tests/e2e/steps.h"

#include <sstream>
#include <vector>

// ---- checks, waiting and the steps ----------------------------------------------------------

int failures;

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

void pump(DWORD ms) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
        for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
            TranslateMessage(&msg);  // keys typed into the driver's own text box
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool settle(DWORD ms) {
    pump(ms);
    return true;
}

std::string shown(int number) {
    return std::to_string(number);
}

std::string shown(const char* text) {
    return "\"" + std::string(text) + "\"";
}

std::string shown(POINT point) {
    return "{" + shown(point.x, point.y) + "}";
}

std::string shown(RECT rect) {
    return "{" + shown(rect.left, rect.top, rect.right, rect.bottom) + "}";
}

void run(std::initializer_list<Step> steps) {
    int number = 0;
    for (const Step& s : steps) {
        bool ok = s.patienceMs ? waitUntil(s.run, s.patienceMs) : s.run();
        if (!check(ok, "step %d, %s(%s)", ++number, s.name, s.arguments.c_str())) {
            RECT r = windowRect(q.window);
            printf("  the window: (%ld, %ld)-(%ld, %ld), properties %d; the settings:\n%s\n",
                   r.left, r.top, r.right, r.bottom, properties(),
                   readFileText(dir + L"\\QILO.INI").c_str());
        }
    }
}

// ---- the pattern, the screen ----------------------------------------------------------------

static Dib* pattern;
static HWND patternWindow;

// The clicks and the wheel's notches the pattern's window has had.
static int patternClicks, patternWheels;

static LRESULT CALLBACK patternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT ps;
    patternClicks += msg == WM_LBUTTONDOWN;
    patternWheels += msg == WM_MOUSEWHEEL;
    if (msg != WM_PAINT)
        return msg == WM_ERASEBKGND ? 1 : DefWindowProcA(hwnd, msg, wParam, lParam);
    BitBlt(BeginPaint(hwnd, &ps), 0, 0, pattern->width, pattern->height, pattern->dc, 0, 0,
           SRCCOPY);
    EndPaint(hwnd, &ps);
    return 0;
}

RECT virtualScreen() {
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// A window of the pattern over every monitor, above every window that is not topmost.
static bool paintPattern(int variant) {
    const RECT screen = virtualScreen();
    if (!patternWindow) {
        pattern = new Dib(screen.right - screen.left, screen.bottom - screen.top);
        WNDCLASSA wc = {0, patternProc};
        wc.lpszClassName = "QiloTestPattern";
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);  // as over any window: a pointer to see
        RegisterClassA(&wc);
        patternWindow = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, wc.lpszClassName, "",
                                        WS_POPUP, screen.left, screen.top, pattern->width,
                                        pattern->height, nullptr, nullptr, nullptr, nullptr);
    }
    pattern->fill(0, variant, screen.left, screen.top);
    SetWindowPos(patternWindow, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(patternWindow, nullptr, FALSE);
    return settle(100);
}

Step showPattern() {
    return Step(__func__, "", [] { return paintPattern(0); });
}

Step inputPassesThrough() {
    return Step(__func__, "", [] {
        RECT r = windowRect(q.window);
        const int clicks = patternClicks, wheels = patternWheels;
        INPUT notch = {INPUT_MOUSE};
        notch.mi.dwFlags = MOUSEEVENTF_WHEEL;
        notch.mi.mouseData = WHEEL_DELTA;
        bool given = moveCursor({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) &&
                     mouseButton(MOUSEEVENTF_LEFTDOWN) && mouseButton(MOUSEEVENTF_LEFTUP) &&
                     SendInput(1, &notch, sizeof notch) == 1;
        bool reached = waitUntil(
            [&] { return patternClicks == clicks + 1 && patternWheels == wheels + 1; }, 1000);
        if (!reached)
            printf("  the pattern had %d clicks and %d notches\n", patternClicks - clicks,
                   patternWheels - wheels);
        return given && reached;
    });
}

Step showSecondPattern() {
    return Step(__func__, "", [] { return paintPattern(1); });
}

Step showRedBand() {
    return Step(__func__, "", [] {
        if (!paintPattern(0))
            return false;
        const RECT screen = virtualScreen();
        for (int i = 0; i < pattern->width * pattern->height; ++i) {
            int x = screen.left + i % pattern->width;
            pattern->bits[i] = x >= 250 && x < 500 ? 0xFF0000 : 0;  // red, as a DIB holds it
        }
        InvalidateRect(patternWindow, nullptr, FALSE);
        return settle(100);
    });
}

RECT windowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

// ---- files ----------------------------------------------------------------------------------

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

// "K=V K=V" as a settings file; a text that starts with "[" is the file itself.
static std::string settingsText(const char* text) {
    std::string file = *text == '[' ? text : "[INIT]\r\n", line;
    for (std::istringstream lines(*text == '[' ? "" : text); lines >> line;)
        file += line + "\r\n";
    return *text ? file : "";
}

// A new scratch directory (with folder: a folder of that name in it), with QILO.INI holding
// the settings given (none when empty). The time in its name keeps it new: Wine reuses pids.
static std::wstring makeScratchDir(const char* settings, const wchar_t* folder = nullptr) {
    wchar_t name[MAX_PATH];
    static int counter;
    GetTempPathW(MAX_PATH, name);
    wsprintfW(name + lstrlenW(name), L"qilo-e2e-%lu-%lu-%d", GetCurrentProcessId(), GetTickCount(),
              ++counter);
    CreateDirectoryW(name, nullptr);
    std::wstring made = folder ? std::wstring(name) + L"\\" + folder : name;
    CreateDirectoryW(made.c_str(), nullptr);
    if (*settings)
        writeFileText(made + L"\\QILO.INI", settingsText(settings));
    return made;
}

Step saved(const char* lines) {
    return Step(__func__, shown(lines), [=] {
        std::istringstream expected(lines);
        for (std::string line; expected >> line;) {
            if (readFileText(dir + L"\\QILO.INI").find("\n" + line + "\r") == std::string::npos)
                return false;
        }
        return true;
    });
}

Step fileIs(const char* text) {
    return Step(__func__, shown(text),
                [=] { return readFileText(dir + L"\\QILO.INI") == settingsText(text); });
}

Step folderNamed(const char* name) {
    return Step(__func__, shown(name), [=] {
        std::wstring path = dir + L"\\" + widen(name);
        DeleteFileW(path.c_str());
        return CreateDirectoryW(path.c_str(), nullptr) != 0;
    });
}

// ---- the programs under test ----------------------------------------------------------------

std::wstring qiloPath;
Qilo q, tool;
std::wstring dir;
Language face;

std::wstring buildFolder() {
    return qiloPath.substr(0, qiloPath.rfind(L'\\') + 1);
}

// Starts a program in the folder with the show command (kNoShowCommand: none).
static bool launch(Qilo& p, const std::wstring& folder, int show, const std::wstring& exe) {
    p = Qilo();
    STARTUPINFOW si = {sizeof si};
    si.dwFlags = show != kNoShowCommand ? STARTF_USESHOWWINDOW : 0;
    si.wShowWindow = (WORD)show;
    std::wstring commandLine = L"\"" + exe + L"\"";
    return check(CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                folder.c_str(), &si, &p.process),
                 "%s starts: error %lu", narrow(exe).c_str(), GetLastError());
}

// The magnifier started in dir, and its window.
static bool startQilo(const std::wstring& exe, int show) {
    bool found = launch(q, dir, show, exe) &&
                 waitUntil([] { return findWindowOf(q, nullptr) != nullptr; }, 10000);
    pump(300);  // the posted always-on-top command and the first ticks
    return check(found, "the magnifier window appears");
}

int waitExit(Qilo& p, DWORD timeoutMs) {
    if (!waitUntil([&] { return !WaitForSingleObject(p.process.hProcess, 0); }, timeoutMs))
        TerminateProcess(p.process.hProcess, (UINT)-1);
    DWORD code = (DWORD)-1;
    GetExitCodeProcess(p.process.hProcess, &code);
    CloseHandle(p.process.hProcess);
    CloseHandle(p.process.hThread);
    return (int)code;
}

// The programs of a start in dir as the layout says; the magnifier's path, or empty when a
// copy failed.
static std::wstring placePrograms(Layout layout) {
    const std::wstring built = buildFolder();
    const struct {
        const wchar_t* qilo;  // where the magnifier is copied, or null: the one built
        bool toolBeside;      // the set-up tool copied beside it
        bool toolInDir;       // another set-up tool planted in the start directory
    } layouts[] = {{nullptr},
                   {L"Alone.exe"},
                   {L"Qilo.exe", true},
                   {L"bin\\Qilo.exe", true, true},
                   {L"bin\\Qilo.exe", false, true}};
    const auto& l = layouts[layout];
    if (!l.qilo)
        return qiloPath;
    std::wstring exe = dir + L"\\" + l.qilo, folder = exe.substr(0, exe.rfind(L'\\') + 1);
    if (layout == kToolsBesideAndPlanted) {  // as deep as a tool beside it allows: 259 characters
        folder.insert(folder.size() - 1, 250 - folder.size(), L'_');
        exe = folder + L"Qilo.exe";
    }
    CreateDirectoryW(folder.c_str(), nullptr);
    bool copied = CopyFileW(qiloPath.c_str(), exe.c_str(), FALSE) &&
                  (!l.toolBeside || CopyFileW((built + L"QConf.exe").c_str(),
                                              (folder + L"QConf.exe").c_str(), FALSE)) &&
                  (!l.toolInDir || CopyFileW((built + L"QConf.exe").c_str(),
                                             (dir + L"\\QConf.exe").c_str(), FALSE));
    return copied ? exe : L"";
}

static std::wstring started;  // the magnifier of the last start, for startAgain

Step start(const char* settings, Layout layout) {
    return Step(__func__, shown(settings, layout), [=] {
        // A folder named outside the Japanese and the Western code page.
        const wchar_t* unusual = L"Zoë Ω 日本";
        dir = makeScratchDir(settings, layout == kCopiesInUnusualFolder ? unusual : nullptr);
        started = placePrograms(layout);
        return !started.empty() && startQilo(started, SW_SHOWNORMAL);
    });
}

Step startAgain() {
    return Step(__func__, "", [] { return !started.empty() && startQilo(started, SW_SHOWNORMAL); });
}

Step startShown(int showCommand, const char* settings) {
    return Step(__func__, shown(showCommand, settings), [=] {
        dir = makeScratchDir(settings);
        return startQilo(qiloPath, showCommand);
    });
}

Step secondCopyEndsAtOnce() {
    return Step(__func__, "", [] {
        Qilo second;
        std::wstring other = makeScratchDir("");
        return launch(second, other, SW_SHOWNORMAL, qiloPath) && waitExit(second, 5000) == 0 &&
               readFileText(other + L"\\QILO.INI").empty();
    });
}

Step closeWindow() {
    return Step(__func__, "", [] {
        PostMessageA(q.window, WM_CLOSE, 0, 0);
        return waitExit(q) == 0;
    });
}

// Nothing may wait for the user now: a program that does fails.
Step endSession() {
    return Step(__func__, "", [] {
        DWORD_PTR result;
        bool answered =
            SendMessageTimeoutW(q.window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, 0, 5000,
                                &result) &&
            SendMessageTimeoutW(q.window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, 0, 5000, &result);
        TerminateProcess(q.process.hProcess, 0);
        return waitExit(q) == 0 && answered;
    });
}

// The set-up tool's window, of either face, within 5 s; launched in dir first when asked.
static bool toolAppears(bool launched) {
    tool = Qilo();
    if (launched && !launch(tool, dir, SW_SHOWNORMAL, buildFolder() + L"QConf.exe"))
        return false;
    return waitUntil(
        [] {
            return IsWindowVisible(findWindowOf(tool, kToolCaptions[face])) ||
                   IsWindowVisible(findWindowOf(tool, kToolCaptions[!face]));
        },
        5000);
}

Step toolInNewFolder(const char* settings) {
    return Step(__func__, shown(settings), [=] {
        dir = makeScratchDir(settings);
        return toolAppears(true);
    });
}

Step toolHere() {
    return Step(__func__, "", [] { return toolAppears(true); });
}

Step toolFromMagnifier() {
    return Step(__func__, "", [] { return toolAppears(false); });
}

Step toolEnds() {
    return Step(__func__, "", [] {
        tool.window = nullptr;
        return waitExit(tool, 5000) == 0;
    });
}
