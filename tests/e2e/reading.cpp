// What the programs show, read back: their windows, texts, files, the readout and the
// clipboard, and the steps that check them (the view's pixels: viewing.cpp).
#include "tests/e2e/steps.h"

#include <vector>

// The captions of the help window in both faces.
static const wchar_t* const kHelpCaptions[] = {L"ＱＦ拡大鏡 ヘルプ", L"QF Magnifier Help"};

// ---- windows and texts ----------------------------------------------------------------------

HWND frontDialog() {
    HWND owner = tool.window ? tool.window : q.window;
    for (HWND h = nullptr; (h = FindWindowExA(nullptr, h, "#32770", nullptr));) {
        if (GetWindow(h, GW_OWNER) == owner && IsWindowVisible(h) && IsWindowEnabled(h))
            return h;
    }
    return owner;
}

// A window's text as UTF-8, asked for as UTF-16: a character lost on the way shows.
static std::string windowText(HWND window) {
    wchar_t text[8192] = L"";
    if (window)
        SendMessageW(window, WM_GETTEXT, 8192, reinterpret_cast<LPARAM>(text));
    return narrow(text);
}

std::string controlText(int id) {
    return windowText(GetDlgItem(frontDialog(), id));
}

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

bool controlFocused(HWND dialog, int id) {
    GUITHREADINFO thread = {sizeof thread};
    return dialog && GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) &&
           thread.hwndFocus == GetDlgItem(dialog, id);
}

Step helpWindows(int open) {
    return Step(__func__, shown(open), 2000, [=] {
        int n = 0;
        for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, L"#32770", kHelpCaptions[face]));)
            n += IsWindowVisible(h);
        // The close button focused: the text, focused, would open all selected.
        HWND help = FindWindowExW(nullptr, nullptr, L"#32770", kHelpCaptions[face]);
        return n == open && (open == 0 || controlFocused(help, IDOK));
    });
}

Language systemFace() {
    return GetACP() == 932 ? kJapanese : kEnglish;
}

static HWND messageBoxOf(DWORD processId) {
    for (HWND h = nullptr; (h = FindWindowExW(nullptr, h, L"#32770", nullptr));) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == processId && IsWindowVisible(h) && GetDlgItem(h, kMessageText))
            return h;
    }
    return nullptr;
}

// The face's words, the file's path and the system's text for the error in the program's
// message box, whose OK is clicked; the tool stays open.
static bool saveFailureTold(const Qilo& p, DWORD error) {
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
    return text.find(face == kJapanese ? "設定を保存できませんでした。"
                                       : "The settings could not be saved.") == 0 &&
           text.find(narrow(dir + L"\\QILO.INI")) != std::string::npos &&
           text.find(narrow(reason)) != std::string::npos &&
           (&p == &q || WaitForSingleObject(p.process.hProcess, 0) == WAIT_TIMEOUT);
}

Step magnifierTellsSaveFailed(DWORD error) {
    return Step(__func__, shown(error),
                [=] { return saveFailureTold(q, error) && waitExit(q) == 0; });
}

Step toolTellsSaveFailed(DWORD error) {
    return Step(__func__, shown(error), [=] { return saveFailureTold(tool, error); });
}

// What a check of a text found against what it expected, shown when they differ.
static bool sameText(const char* what, const std::string& found, const std::string& expected) {
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

// The texts users see are spelled out here; the help, too long for that, is checked in part.
Step everyTextInFace() {
    return Step(__func__, "", [] {
        const bool ja = face == kJapanese;
        // clang-format off
        const std::pair<int, std::string> toolTexts[] = {
            {IDC_COLOR_LABEL, ja ? "十字線の色:" : "Crosshair color:"},
            {IDC_COLOR_BUTTON, ja ? "色の選択..." : "Choose..."},
            {IDC_HOTKEY, ja ? "Ctrl+Space で表示/非表示を切り替える" : "Show and hide with Ctrl+Space"},
            {IDC_INTERVAL_LABEL, ja ? "更新間隔:" : "Refresh every:"},
            {IDC_INTERVAL_UNIT, ja ? "ミリ秒 (10～10000)" : "ms (10 to 10000)"},
            {IDC_INFO, ja ? "カーソルの位置と色を表示する" : "Show the cursor's position and color"},
            {IDC_FREEZE_LABEL, ja ? "静止キー:" : "Freeze key:"},
            {IDC_COPY_LABEL, ja ? "コピーキー:" : "Copy key:"},
            {IDC_ZOOM_IN_LABEL, ja ? "拡大キー:" : "Zoom in key:"},
            {IDC_ZOOM_OUT_LABEL, ja ? "縮小キー:" : "Zoom out key:"},
            {IDC_FOLLOW_FOCUS, ja ? "文字カーソルとキーボード フォーカスを追う" : "Follow the text cursor and keyboard focus"},
            {IDC_EXCLUDE_SELF, ja ? "拡大鏡のウィンドウを表示に映さない" : "Leave the magnifier's window out of the view"},
            {IDC_SMOOTH, ja ? "なめらかに拡大する (ピクセルをぼかしてつなぐ)" : "Smooth the view (pixels blended, not blocks)"},
            {IDC_POINTER, ja ? "マウス ポインターを表示に映す" : "Show the mouse pointer in the view"},
            {IDC_LENS, ja ? "ウィンドウをカーソルに付いて動かす (レンズ)" : "Move the window with the cursor (a lens)"},
            {IDC_LENS_LABEL, ja ? "レンズキー:" : "Lens key:"},
            {IDC_LANGUAGE_LABEL, ja ? "表示言語:" : "Language:"},
            {IDC_FILTER_LABEL, ja ? "色フィルター:" : "Color filter:"},
            {IDOK, "OK"},
            {IDCANCEL, ja ? "キャンセル" : "Cancel"},
            {IDC_OK_NOTE, ja ? "拡大鏡は動作中です。OK で拡大鏡をいったん終了し、設定を保存してから起動し直します。"
                             : "The magnifier is running. OK closes it, saves the settings and starts it again."}};
        // clang-format on
        const char* const choices[] = {ja ? "自動" : "Automatic", "日本語", "English"};
        const char* const filters[] = {ja ? "なし" : "None", ja ? "グレースケール" : "Grayscale",
                                       ja ? "1 型 (赤)" : "Protanopia",
                                       ja ? "2 型 (緑)" : "Deuteranopia",
                                       ja ? "3 型 (青)" : "Tritanopia"};
        HWND help = FindWindowExW(nullptr, nullptr, L"#32770", kHelpCaptions[face]);
        bool same =
            sameText("title", windowText(q.window), ja ? " ＱＦ拡大鏡" : "QF Magnifier") &&
            sameText("help caption", windowText(help), narrow(kHelpCaptions[face])) &&
            sameText("help button", windowText(GetDlgItem(help, IDOK)), ja ? "閉じる" : "Close") &&
            helpSays(windowText(GetDlgItem(help, IDC_HELP_TEXT)), ja) &&
            sameText("tool caption", windowText(tool.window), narrow(kToolCaptions[face]));
        for (const auto& label : toolTexts)
            same &= sameText("tool label", windowText(GetDlgItem(tool.window, label.first)),
                             label.second);
        for (int i = 0; i < 3; ++i) {
            wchar_t item[64] = L"";
            SendDlgItemMessageW(tool.window, IDC_LANGUAGE, CB_GETLBTEXT, i,
                                reinterpret_cast<LPARAM>(item));
            same &= sameText("language choice", narrow(item), choices[i]);
        }
        for (int i = 0; i < 5; ++i) {
            wchar_t item[64] = L"";
            SendDlgItemMessageW(tool.window, IDC_FILTER, CB_GETLBTEXT, i,
                                reinterpret_cast<LPARAM>(item));
            same &= sameText("filter choice", narrow(item), filters[i]);
        }
        return same;
    });
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

// As Explorer's Properties show them.
Step programsCarryVersion() {
    return Step(__func__, "", [] {
        bool all = true;
        for (const wchar_t* name : {L"Qilo.exe", L"QConf.exe"}) {
            std::wstring program = buildFolder() + name;
            all &=
                sameText("file version", versionValue(program, L"FileVersion"),
                         QILO_VERSION_TEXT) &&
                sameText("product version", versionValue(program, L"ProductVersion"),
                         QILO_VERSION_TEXT) &&
                sameText("file name", versionValue(program, L"OriginalFilename"), narrow(name)) &&
                sameText("product", versionValue(program, L"ProductName"), "Qilo");
        }
        return all;
    });
}

// ---- the window -----------------------------------------------------------------------------

bool keyIsFree(WORD vk, UINT modifiers) {
    bool registered = RegisterHotKey(nullptr, 0x7100, modifiers, vk);
    UnregisterHotKey(nullptr, 0x7100);
    return registered;
}

int properties() {
    RECT r = windowRect(q.window);
    LPARAM corner = MAKELPARAM(r.right - 2, r.bottom - 2);
    return IsWindowVisible(q.window) * Visible + IsIconic(q.window) * Iconic +
           !!(GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_TOPMOST) * Topmost +
           (SendMessageA(q.window, WM_NCHITTEST, 0, corner) == HTBOTTOMRIGHT) * Sizable +
           !!(GetWindowLongA(q.window, GWL_STYLE) & WS_THICKFRAME) * ThickFrame +
           (GetWindowTextLengthA(q.window) > 0) * Titled +
           !keyIsFree(VK_SPACE, MOD_CONTROL) * HotkeyTaken +
           (GetPriorityClass(q.process.hProcess) == HIGH_PRIORITY_CLASS) * HighPriority +
           !(GetWindowLongA(q.window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) * TaskbarButton;
}

Step windowAt(RECT rect) {
    return Step(__func__, shown(rect), [=] {
        RECT r = windowRect(q.window);
        return EqualRect(&r, &rect) != 0;
    });
}

Step menuAt(POINT topLeft, int height) {
    return Step(__func__, shown(topLeft, height), [=] {
        RECT r = waitForMenu(true) ? windowRect(FindWindowA("#32768", nullptr)) : RECT{};
        return r.left == topLeft.x && r.top == topLeft.y && abs(r.bottom - r.top - height) < 40;
    });
}

Step cursorAt(POINT at) {
    return Step(__func__, shown(at), 2000, [=] {
        POINT p;
        return GetCursorPos(&p) && p.x == at.x && p.y == at.y;
    });
}

// ---- the readout and the clipboard ----------------------------------------------------------

static std::string colorText(COLORREF c) {
    char text[8];
    wsprintfA(text, "#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

bool readoutShown(const Dib& view, POINT pixel, Corner corner, const char* more) {
    std::string first = std::to_string(pixel.x) + ", " + std::to_string(pixel.y);
    std::vector<std::string> lines = {more ? first + " " + colorText(patternColor(pixel.x, pixel.y))
                                           : first};
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
    const bool right = corner == kTopRight || corner == kBottomRight,
               bottom = corner == kBottomLeft || corner == kBottomRight;
    int left = right ? view.width - 1 - box.right : 1,
        top = bottom ? view.height - 1 - box.bottom : 1;
    int errors = 0;
    for (int v = 0; v < box.bottom; ++v) {
        for (int u = 0; u < box.right; ++u)
            errors += view.at(left + u, top + v) != label.at(u, v);
    }
    return errors == 0;
}

Step readoutOf(POINT pixel, Corner corner, const char* more) {
    return Step(__func__, shown(pixel, corner, more), [=] {
        moveCursor(pixel);
        return waitUntil([=] { return readoutShown(Capture(q.window), pixel, corner, more); },
                         2000);
    });
}

// The text, and the view inside the frame, 192 x 128 at the default size.
static bool clipboardHolds(const std::string& text) {
    if (!OpenClipboard(nullptr))
        return false;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* held = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    BITMAP bitmap = {};
    GetObject(GetClipboardData(CF_BITMAP), sizeof bitmap, &bitmap);
    bool ok = held && text == held && bitmap.bmWidth == 192 && bitmap.bmHeight == 128;
    if (held)
        GlobalUnlock(data);
    CloseClipboard();
    return ok;
}

Step clipboardHoldsColorOf(POINT pixel) {
    return Step(__func__, shown(pixel), 2000,
                [=] { return clipboardHolds(colorText(patternColor(pixel.x, pixel.y))); });
}

Step clipboardHoldsText(const char* text) {
    return Step(__func__, shown(text), 2000, [=] { return clipboardHolds(text); });
}
