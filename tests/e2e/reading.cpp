// What the programs show: their windows, texts, files and pixels, read back.
#include "tests/e2e/driver.h"

// The dialog the user faces: a dialog the tool or the magnifier owns, else the tool.
HWND frontDialog() {
    HWND owner = tool.window ? tool.window : q.window;
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, "#32770", nullptr));) {
        if (GetWindow(h, GW_OWNER) == owner && IsWindowVisible(h) && IsWindowEnabled(h))
            return h;
    }
    return owner;
}

// A window's text as UTF-8, asked for as UTF-16: a character lost on the way shows.
std::string windowText(HWND window) {
    wchar_t text[8192] = L"";
    if (window)
        SendMessageW(window, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(text));
    return narrow(text);
}

std::string controlText(int id) {
    return windowText(GetDlgItem(frontDialog(), id));
}

// The top-level window of a process that has the property given (the magnifier's, or the
// tool's title).
HWND findWindowOf(Qilo& p, const wchar_t* title) {
    HWND found = nullptr;
    for (HWND h = nullptr; !found && (h = FindWindowExW(nullptr, h, L"#32770", title));) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if ((title || GetPropA(h, "QiloMagnifier")) &&
            (!p.process.hProcess || pid == p.process.dwProcessId))
            found = h;
        if (found && !p.process.hProcess) {  // at most once: the window is found
            p.process.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
            p.process.dwProcessId = pid;
        }
    }
    return p.window = found;
}

int helpWindows() {
    int n = 0;
    for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, L"#32770", kHelpCaptions[face]));)
        n += IsWindowVisible(h);
    return n;
}

bool controlFocused(HWND dialog, int id) {
    GUITHREADINFO thread = {sizeof thread};
    return dialog && GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) &&
           thread.hwndFocus == GetDlgItem(dialog, id);
}

bool helpButtonFocused() {
    return controlFocused(FindWindowExW(nullptr, nullptr, L"#32770", kHelpCaptions[face]), IDOK);
}

std::string colorText(COLORREF c) {
    char text[8];
    wsprintfA(text, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// The readout label of pattern pixel (x, y) as the view must show it, black on white with two
// pixels round the text, in a corner inside the frame; below, the lines given ('|' between).
bool readoutShown(const Dib& view, int x, int y, bool right, bool bottom, const char* more) {
    std::vector<std::string> lines = {std::to_string(x) + ", " + std::to_string(y) +
                                      (more ? " " + colorText(patternColor(x, y)) : "")};
    for (const char* p = more; p && *p; p += strcspn(p, "|") + (p[strcspn(p, "|")] != 0))
        lines.push_back(std::string(p, strcspn(p, "|")));
    Dib label(400, 60);
    SelectObject(label.dc, GetStockObject(ANSI_FIXED_FONT));
    SIZE size = {}, line;
    for (const std::string& text : lines) {
        GetTextExtentPoint32A(label.dc, text.c_str(), (int)text.size(), &line);
        size = {line.cx > size.cx ? line.cx : size.cx, size.cy + line.cy};
    }
    RECT box = {0, 0, size.cx + 4, size.cy + 4};
    FillRect(label.dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    for (size_t i = 0; i < lines.size(); ++i)
        TextOutA(label.dc, 2, 2 + (int)i * line.cy, lines[i].c_str(), (int)lines[i].size());
    int left = right ? view.width - 1 - box.right : 1,
        top = bottom ? view.height - 1 - box.bottom : 1;
    int errors = 0;
    for (int v = 0; v < box.bottom; ++v) {
        for (int u = 0; u < box.right; ++u)
            errors += view.at(left + u, top + v) != label.at(u, v);
    }
    return errors == 0;
}

// In this program, which ignores the quit command: the magnifier's event and a window that
// says it is the magnifier's (1), the event alone, as while a magnifier starts (2); neither (0).
bool stubbornMagnifier(int there) {
    static HANDLE event;
    static HWND window;
    DestroyWindow(window);  // none the first time: harmless
    CloseHandle(event);
    window = there == 1 ? CreateWindowW(L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                        nullptr)
                        : nullptr;
    event = there ? CreateEventW(nullptr, TRUE, FALSE, kInstanceEventName) : nullptr;
    return !there || (event && (there == 2 ||
                                (window && SetPropW(window, kMagnifierWindowProperty, window))));
}

int picturesIn(const std::wstring& folder, bool plain) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*.png").c_str(), &found);
    int count = 0;
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
        count += found.nFileSizeLow > 0 && !(plain && wcschr(found.cFileName, L'('));
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return count;
}

// Puts a one-byte file under each name a picture saved in each of the next seconds would
// take: the plain one, and those with " (2)" up to " (numbers)".
void takePictureNames(const std::wstring& folder, int seconds, int numbers) {
    CreateDirectoryW(folder.c_str(), nullptr);
    SYSTEMTIME t;
    FILETIME moment;
    GetLocalTime(&t);
    SystemTimeToFileTime(&t, &moment);
    ULARGE_INTEGER time = {{moment.dwLowDateTime, moment.dwHighDateTime}};
    for (int i = 0; i < seconds; ++i, time.QuadPart += 10000000) {  // 100 ns units
        moment = {time.LowPart, time.HighPart};
        FileTimeToSystemTime(&moment, &t);
        for (int n = 1; n <= numbers; ++n) {
            wchar_t name[64], suffix[8];
            wsprintfW(suffix, n > 1 ? L" (%d)" : L"", n);
            wsprintfW(name, L"\\Qilo %04d-%02d-%02d %02d%02d%02d%s.png", t.wYear, t.wMonth, t.wDay,
                      t.wHour, t.wMinute, t.wSecond, suffix);
            writeFileText(folder + name, "x");
        }
    }
}

bool clipboardHolds(const std::string& text) {
    if (!OpenClipboard(nullptr))
        return false;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* held = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    BITMAP bitmap = {};  // the view inside the frame, 192 x 128 at the default size
    GetObject(GetClipboardData(CF_BITMAP), sizeof bitmap, &bitmap);
    bool ok = held && text == held && bitmap.bmWidth == 192 && bitmap.bmHeight == 128;
    if (held)
        GlobalUnlock(data);
    CloseClipboard();
    return ok;
}

// Sizable: the window's bottom-right corner sizes it.
int properties() {
    bool hotkeyFree = RegisterHotKey(nullptr, 0x3000, MOD_CONTROL, VK_SPACE);
    UnregisterHotKey(nullptr, 0x3000);
    RECT r = windowRect(q.window);
    LPARAM corner = MAKELPARAM(r.right - 2, r.bottom - 2);
    return IsWindowVisible(q.window) * Visible + IsIconic(q.window) * Iconic +
           !!(GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_TOPMOST) * Topmost +
           (SendMessageA(q.window, WM_NCHITTEST, 0, corner) == HTBOTTOMRIGHT) * Sizable +
           !!(GetWindowLongA(q.window, GWL_STYLE) & WS_THICKFRAME) * ThickFrame +
           (GetWindowTextLengthA(q.window) > 0) * Titled + !hotkeyFree * HotkeyTaken +
           (GetPriorityClass(q.process.hProcess) == HIGH_PRIORITY_CLASS) * HighPriority +
           !(GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) * TaskbarButton;
}

// "K=V K=V" as a settings file; a text that starts with "[" is the file itself.
std::string settingsText(const char* text) {
    std::string file = *text == '[' ? text : "[INIT]\r\n", line;
    for (std::istringstream lines(*text == '[' ? "" : text); lines >> line;)
        file += line + "\r\n";
    return *text ? file : "";
}

// Pen pixels on the inner part of a column and of a row of the window (-1: none).
int penPixels(const Dib& c, COLORREF pen, int column, int row) {
    int n = 0;
    for (int y = 1; y < c.height - 1 && column >= 0; ++y)
        n += c.at(column, y) == pen;
    for (int x = 1; x < c.width - 1 && row >= 0; ++x)
        n += c.at(x, row) == pen;
    return n;
}

// Inner pixels of a framed square view farther than a pixel from where a stretch of the
// source (srcX, srcY, size x size) puts them: the pattern's colour tells where one came from.
int stretchErrors(const Dib& c, int srcX, int srcY, int size) {
    int errors = 0;
    double scale = (double)size / (c.width - 2);
    for (int y = 1; y < c.height - 1; ++y) {
        for (int x = 1; x < c.width - 1; ++x) {
            POINT from = patternPointOf(c.at(x, y));
            errors += abs(from.x - srcX - (int)((x - 1) * scale)) > 1 ||
                      abs(from.y - srcY - (int)((y - 1) * scale)) > 1;
        }
    }
    return errors;
}

// Every pixel of the window's top row and left column is black (the right and bottom edges
// are drawn a frame's width outside the window).
bool blackTopAndLeft(const Capture& c, int w, int h) {
    int other = 0;
    for (int x = 0; x < w; ++x)
        other += c.at(x, 0) != 0;
    for (int y = 0; y < h; ++y)
        other += c.at(0, y) != 0;
    return other == 0;
}

// The view round the cursor at an integer zoom, unclamped; see View.
bool checkView(const Step& s, RECT r, const char* text) {
    moveCursor(s.c, s.d);
    bool cross = strstr(text, "cross"), framed = strstr(text, "framed");
    int w = r.right - r.left, h = r.bottom - r.top;
    // clang-format off
    ExpectedView view = {s.a, s.b, s.c - (w - 2 * s.a) / s.b / 2, s.d - (h - 2 * s.a) / s.b / 2,
                         strstr(text, "inverted") != nullptr, strstr(text, "second") ? 1 : 0,
                         cross ? w / 2 : -1, cross ? h / 2 : -1};
    // clang-format on
    if (waitForView(q.window, view) != 0)
        return false;
    Capture c(q.window);
    return (!cross ||
            penPixels(c, view.inverted ? invertColor(kPen) : kPen, w / 2, h / 2) == w + h - 4) &&
           (!framed || blackTopAndLeft(c, w, h));
}

// The programs of a start in dir, laid out as Start's b says; the magnifier's path, or empty
// when a copy failed.
std::wstring placePrograms(int layout) {
    const std::wstring built = buildFolder();
    const struct {
        const wchar_t* qilo;  // where the magnifier is copied, or null: the one built
        bool toolBeside;      // the set-up tool copied beside it
        bool toolInDir;       // another set-up tool planted in the start directory
    } layouts[] = {{nullptr},
                   {L"Alone.exe"},
                   {L"Qilo.exe", true},
                   {nullptr},
                   {L"bin\\Qilo.exe", true, true},
                   {L"bin\\Qilo.exe", false, true}};
    const auto& l = layouts[layout];
    if (!l.qilo)
        return qiloPath;
    std::wstring exe = dir + L"\\" + l.qilo, folder = exe.substr(0, exe.rfind(L'\\') + 1);
    if (layout == 4)  // as deep as a tool beside it allows: "QConf.exe" makes 259 characters
        folder.insert(folder.size() - 1, 250 - folder.size(), L'_'), exe = folder + L"Qilo.exe";
    CreateDirectoryW(folder.c_str(), nullptr);
    bool copied = CopyFileW(qiloPath.c_str(), exe.c_str(), FALSE) &&
                  (!l.toolBeside || CopyFileW((built + L"QConf.exe").c_str(),
                                              (folder + L"QConf.exe").c_str(), FALSE)) &&
                  (!l.toolInDir || CopyFileW((built + L"QConf.exe").c_str(),
                                             (dir + L"\\QConf.exe").c_str(), FALSE));
    return copied ? exe : L"";
}

std::string imageOf(const Qilo& p) {
    wchar_t path[MAX_PATH] = L"";
    HANDLE process =
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, p.process.dwProcessId);
    GetModuleFileNameExW(process, nullptr, path, MAX_PATH);
    CloseHandle(process);
    return narrow(path);
}

// Japanese on a Japanese Windows (code page 932), English on any other.
Language systemFace() {
    return GetACP() == 932 ? kJapanese : kEnglish;
}

HWND messageBoxOf(DWORD processId) {
    for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, L"#32770", nullptr));) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == processId && IsWindowVisible(h) && GetDlgItem(h, kMessageText))
            return h;
    }
    return nullptr;
}

// See SaveFailed.
bool saveFailureTold(const Qilo& p, DWORD error) {
    wchar_t reason[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   reason, 512, nullptr);
    HWND box = nullptr;
    if (!waitUntil([&] { return (box = messageBoxOf(p.process.dwProcessId)) != nullptr; }, 5000))
        return false;
    std::string text = windowText(GetDlgItem(box, kMessageText));
    printf("  the message: %s\n", text.c_str());
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    pump(300);
    return text.find(narrow(textIn(face, kSaveFailed))) == 0 &&
           text.find(narrow(dir + L"\\QILO.INI")) != std::string::npos &&
           text.find(narrow(reason)) != std::string::npos &&
           (&p == &q || WaitForSingleObject(p.process.hProcess, 0) == WAIT_TIMEOUT);
}

// What a check of a text found against what it expected, shown when they differ.
bool sameText(const char* what, const std::string& found, const std::string& expected) {
    if (found != expected)
        printf("  %s: \"%s\", expected \"%s\"\n", what, found.c_str(), expected.c_str());
    return found == expected;
}

// The help's text, too long to spell out here: its first and last sections' headings and a
// sentence of each, in the face's words.
static bool helpSays(const std::string& help, bool ja) {
    const char* const parts[] = {
        ja ? "■ 拡大表示\r\nマウスカーソルの周りをこのウィンドウに拡大して表示します。"
           : "THE VIEW\r\nThis window shows the screen round the mouse cursor, enlarged.",
        ja ? "■ 初期設定ツール" : "THE SETTINGS TOOL", "QILO.INI",
        ja ? "ＱＦ拡大鏡 (Qilo) バージョン " QILO_VERSION_TEXT
           : "QF Magnifier (Qilo) version " QILO_VERSION_TEXT};
    bool all = help.find(parts[0]) == 0;
    for (const char* part : parts)
        all = all && help.find(part) != std::string::npos;
    if (!all)
        printf("  help text: \"%.80s...\"\n", help.c_str());
    return all;
}

// A value of a program's version resource (its first language), or empty.
static std::string versionValue(const std::wstring& program, const wchar_t* name) {
    std::vector<BYTE> data(GetFileVersionInfoSizeW(program.c_str(), nullptr) + 1);
    DWORD* languages = nullptr;
    wchar_t* value = nullptr;
    UINT size = 0;
    if (!GetFileVersionInfoW(program.c_str(), 0, (DWORD)data.size(), data.data()) ||
        !VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", (void**)&languages, &size))
        return "";
    wchar_t path[64];
    wsprintfW(path, L"\\StringFileInfo\\%04x%04x\\%s", LOWORD(*languages), HIWORD(*languages),
              name);
    return VerQueryValueW(data.data(), path, (void**)&value, &size) ? narrow(value) : "";
}

// Both programs carry the version, as Explorer's Properties show it, with their own names.
bool carryVersion() {
    bool all = true;
    for (const wchar_t* name : {L"Qilo.exe", L"QConf.exe"}) {
        std::wstring program = buildFolder() + name;
        all &= sameText("file version", versionValue(program, L"FileVersion"), QILO_VERSION_TEXT) &&
               sameText("product version", versionValue(program, L"ProductVersion"),
                        QILO_VERSION_TEXT) &&
               sameText("file name", versionValue(program, L"OriginalFilename"), narrow(name)) &&
               sameText("product", versionValue(program, L"ProductName"), "Qilo");
    }
    return all;
}

// See Face. The texts users see, spelled out here.
bool checkFace() {
    const bool ja = face == kJapanese;
    // clang-format off
    const std::pair<int, std::string> toolTexts[] = {
        {IDC_COLOR_LABEL, ja ? "十字線の色:" : "Crosshair color:"},       {IDC_COLOR_BUTTON, ja ? "色の選択..." : "Choose..."},
        {IDC_HOTKEY, ja ? "Ctrl+Space で表示/非表示を切り替える" : "Show and hide with Ctrl+Space"},
        {IDC_INTERVAL_LABEL, ja ? "更新間隔:" : "Refresh every:"},           {IDC_INTERVAL_UNIT, ja ? "ミリ秒 (10～10000)" : "ms (10 to 10000)"},
        {IDC_INFO, ja ? "カーソルの位置と色を表示する" : "Show the cursor's position and color"},
        {IDC_FREEZE_LABEL, ja ? "静止キー:" : "Freeze key:"},              {IDC_COPY_LABEL, ja ? "コピーキー:" : "Copy key:"},
        {IDC_FOLLOW_FOCUS, ja ? "文字カーソルとキーボード フォーカスを追う" : "Follow the text cursor and keyboard focus"},
        {IDC_EXCLUDE_SELF, ja ? "拡大鏡のウィンドウを表示に映さない" : "Leave the magnifier's window out of the view"},
        {IDC_LANGUAGE_LABEL, ja ? "表示言語:" : "Language:"},                 {IDOK, "OK"},
        {IDCANCEL, ja ? "キャンセル" : "Cancel"},                {IDC_OK_NOTE, ja ? "拡大鏡は動作中です。OK で拡大鏡をいったん終了し、設定を保存してから起動し直します。"
                       : "The magnifier is running. OK closes it, saves the settings and starts it again."}};
    const char* const choices[] = {ja ? "自動" : "Automatic", "日本語", "English"};
    // clang-format on
    HWND help = FindWindowExW(nullptr, nullptr, L"#32770", kHelpCaptions[face]);
    bool same =
        sameText("title", windowText(q.window), ja ? " ＱＦ拡大鏡" : "QF Magnifier") &&
        sameText("help caption", windowText(help), narrow(kHelpCaptions[face])) &&
        sameText("help button", windowText(GetDlgItem(help, IDOK)), ja ? "閉じる" : "Close") &&
        helpSays(windowText(GetDlgItem(help, IDC_HELP_TEXT)), ja) &&
        sameText("tool caption", windowText(tool.window), narrow(kToolCaptions[face]));
    for (const auto& label : toolTexts)
        same &=
            sameText("tool label", windowText(GetDlgItem(tool.window, label.first)), label.second);
    for (int i = 0; i < 3; ++i) {
        wchar_t item[64] = L"";
        SendDlgItemMessageW(tool.window, IDC_LANGUAGE, CB_GETLBTEXT, i,
                            reinterpret_cast<LPARAM>(item));
        same &= sameText("language choice", narrow(item), choices[i]);
    }
    return same;
}
